#include "rules/firing/Osumantulkinta.h"

#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"

namespace {

bool Uponnut(std::span<const int> laiva, const Ruudukko& ruudut) {
    return std::ranges::all_of(
        laiva, [&](int r) { return OnRuudukossa(r) && ruudut[r] == Sana::uponnut; });
}

}  // namespace

Tulkinta TulkitseOsuma(Peli& peli, Pelitila& t, Puoli puoli, int R) {
    const Ruudukko& ruudut = t.Ruudut(puoli);
    if (!OnRuudukossa(R) || ruudut[R] != Sana::uponnut) return Tulkinta::Osui;

    const auto laivat = t.Laivat(puoli);
    const auto laiva = std::ranges::find_if(
        laivat, [&](const Laiva& l) { return std::ranges::find(l.ruudut, R) != l.ruudut.end(); });
    if (laiva == laivat.end()) {
        peli.Ilmoita(teksti::OHJELMAN_NIMI, teksti::OsumanTulkintavirhe(R), Kuvake::Ei);
        return Tulkinta::Virhe;
    }
    if (!Uponnut(laiva->ruudut, ruudut)) return Tulkinta::Osui;
    peli.UpotaLaiva(puoli, laiva->ruudut);
    return Tulkinta::Upposi;
}
