// The saves a player waits for on Windows, as they run under Wine: the
// best-results list after a name is entered and the settings after OK in
// "Asetukset", each the median of 100 saves into an empty test key, with the
// registry writes (values set or deleted) and flushes one save makes. Not a
// test: it prints the figures.
//   wine build-win/bench/Tallennus_bench.exe

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "store/Asetusarvot.h"
#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Tuontikoukku.h"

namespace {

using Asetus = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD);
using Poisto = LONG(WINAPI*)(HKEY, LPCWSTR);
using Huuhtelu = LONG(WINAPI*)(HKEY);

int kirjoituksia = 0;
int huuhteluita = 0;
Asetus aseta = nullptr;
Poisto poista = nullptr;
Huuhtelu huuhtele = nullptr;

LONG WINAPI Aseta(HKEY kahva, LPCWSTR nimi, DWORD varattu, DWORD tyyppi, const BYTE* data,
                  DWORD koko) {
    ++kirjoituksia;
    return aseta(kahva, nimi, varattu, tyyppi, data, koko);
}

LONG WINAPI Poista(HKEY kahva, LPCWSTR nimi) {
    ++kirjoituksia;
    return poista(kahva, nimi);
}

LONG WINAPI Huuhtele(HKEY kahva) {
    ++huuhteluita;
    return huuhtele(kahva);
}

bool TallennaLista(int kierros) {
    ParhaatTulokset lista;
    return static_cast<bool>(PaivitaParhaatTulokset(lista, [kierros](ParhaatTulokset& tallessa) {
        tallessa.UusiParasPelaaja.fill("Väinö Välimäki " + std::to_string(kierros));
        tallessa.UusiParasTulos.fill(static_cast<std::int16_t>(kierros));
        return true;
    }));
}

bool TallennaAsetuksina(int kierros) {
    const bool parillinen = kierros % 2 == 0;
    return static_cast<bool>(
        TallennaAsetukset("Aloittaja arvotaan", parillinen, !parillinen, parillinen));
}

void Mittaa(const char* nimi, const std::function<bool(int)>& tallenna) {
    const Testipesa pesa;
    std::vector<double> ajat;
    bool kaikki = true;
    for (int kierros = 0; kierros < 100; ++kierros) {
        kirjoituksia = 0;
        huuhteluita = 0;
        const auto alku = std::chrono::steady_clock::now();
        kaikki &= tallenna(kierros);
        ajat.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - alku)
                .count());
    }
    std::nth_element(ajat.begin(), ajat.begin() + 50, ajat.end());
    std::printf("%-10s median %.3f ms, %d registry writes and %d flushes a save%s\n", nimi,
                ajat[50], kirjoituksia, huuhteluita, kaikki ? "" : " (SOME SAVES FAILED)");
}

}  // namespace

int main() {
    aseta = KorvaaTuonti<Asetus>("RegSetValueExW", Aseta);
    poista = KorvaaTuonti<Poisto>("RegDeleteValueW", Poista);
    huuhtele = KorvaaTuonti<Huuhtelu>("RegFlushKey", Huuhtele);
    Mittaa("list", TallennaLista);
    Mittaa("settings", TallennaAsetuksina);
}
