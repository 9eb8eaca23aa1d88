#include "store/mdlMorvak2.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

#include "platform/registry/arvot.h"
#include "platform/registry/kirjoitusera.h"

namespace {

constexpr DWORD LUKUPUSKURIN_KOKO = 2048;
constexpr const char* OLETUSNIMI = "Relvano";
const std::string OLETUSTULOS = "0";

// The bytes are little-endian whatever the machine; a value shorter than four
// bytes counts the missing ones as zero.
std::string DwordTekstina(const std::array<BYTE, LUKUPUSKURIN_KOKO>& puskuri, DWORD koko) {
    std::uint32_t luku = 0;
    for (DWORD i = 0; i < std::min<DWORD>(koko, 4); ++i) {
        luku |= static_cast<std::uint32_t>(puskuri[i]) << (8 * i);
    }
    char teksti[16];
    std::snprintf(teksti, sizeof teksti, "%03lu", static_cast<unsigned long>(luku));
    return teksti;
}

std::string BinaariTekstina(const std::array<BYTE, LUKUPUSKURIN_KOKO>& puskuri, DWORD koko) {
    static constexpr char NUMEROT[] = "0123456789ABCDEF";
    std::string teksti;
    for (DWORD i = 0; i < koko; ++i) {
        teksti += NUMEROT[puskuri[i] >> 4];
        teksti += NUMEROT[puskuri[i] & 0x0f];
    }
    return teksti;
}

// A text less its terminating zero. Other programs may store one without it:
// then its last byte is text too, and a text that fills the whole buffer is
// longer than any text read with its zero, so it does not fit.
std::optional<std::string> Tekstina(DWORD tyyppi,
                                    const std::array<BYTE, LUKUPUSKURIN_KOKO>& puskuri,
                                    DWORD koko) {
    if (tyyppi == REG_DWORD) return DwordTekstina(puskuri, koko);
    if (tyyppi == REG_BINARY) return BinaariTekstina(puskuri, koko);
    const DWORD merkkeja = koko > 0 && puskuri[koko - 1] == 0 ? koko - 1 : koko;
    if (merkkeja >= LUKUPUSKURIN_KOKO) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(puskuri.data()), merkkeja);
}

bool Puuttuu(const std::string& teksti) { return teksti.empty() || teksti == EI_LOYTYNYT; }

// A score as the player's number conversion takes it: an integer with
// optional spaces around it, within the 16-bit range.
std::optional<std::int16_t> Pisteiksi(const std::string& teksti) {
    const auto alku = teksti.find_first_not_of(' ');
    if (alku == std::string::npos) return std::nullopt;
    const auto loppu = teksti.find_last_not_of(' ') + 1;
    const char* ensimmainen = teksti.data() + alku + (teksti[alku] == '+' ? 1 : 0);
    const char* viimeinen = teksti.data() + loppu;
    std::int16_t luku = 0;
    const auto [kohta, virhe] = std::from_chars(ensimmainen, viimeinen, luku);
    if (virhe != std::errc{} || kohta != viimeinen) return std::nullopt;
    return luku;
}

std::string Paikka(const char* nimi, std::size_t i) { return nimi + std::to_string(i); }

// A value as text, or "Not Found", with the registry's answer to the first
// step that failed.
struct Arvo {
    std::string teksti;
    LONG tila;
};

Arvo LueArvo(HKEY juuri, const std::string& avain, const std::string& nimi) {
    HKEY kahva = nullptr;
    const LONG avaus = RegOpenKeyA(juuri, avain.c_str(), &kahva);
    std::array<BYTE, LUKUPUSKURIN_KOKO> puskuri;
    puskuri.fill(' ');
    DWORD koko = LUKUPUSKURIN_KOKO;
    DWORD tyyppi = 0;
    LONG kysely = KysyArvo(kahva, nimi.c_str(), &tyyppi, puskuri.data(), &koko);
    std::optional<std::string> teksti;
    if (kysely == ERROR_SUCCESS) teksti = Tekstina(tyyppi, puskuri, koko);
    if (kysely == ERROR_SUCCESS && !teksti) kysely = ERROR_MORE_DATA;
    RegCloseKey(kahva);
    return {teksti.value_or(EI_LOYTYNYT), avaus != ERROR_SUCCESS ? avaus : kysely};
}

// Whether the read tells what the store holds: the value, its absence, or a
// value too long to read, which the game takes as missing all the same.
// Anything else (the hive held by another process, a failing disk) leaves it
// unknown.
bool Luettu(LONG tila) {
    return tila == ERROR_SUCCESS || tila == ERROR_FILE_NOT_FOUND || tila == ERROR_MORE_DATA;
}

}  // namespace

bool KirjoitaRekisteriin(HKEY juuri, const std::string& avain, const std::string& nimi,
                         DWORD tyyppi, const std::string& data) {
    HKEY kahva = nullptr;
    const LONG luonti = RegCreateKeyA(juuri, avain.c_str(), &kahva);
    const std::string teksti = data + '\0';
    const LONG asetus =
        TallennaArvo(kahva, nimi.c_str(), tyyppi, reinterpret_cast<const BYTE*>(teksti.data()),
                     static_cast<DWORD>(teksti.size()));
    const LONG huuhtelu = RegFlushKey(kahva);
    const LONG sulkeminen = RegCloseKey(kahva);
    return luonti == ERROR_SUCCESS && asetus == ERROR_SUCCESS && huuhtelu == ERROR_SUCCESS &&
           sulkeminen == ERROR_SUCCESS;
}

std::string LueRekisterista(HKEY juuri, const std::string& avain, const std::string& nimi) {
    return LueArvo(juuri, avain, nimi).teksti;
}

void LataaParhaatTulokset(ParhaatTulokset& lista) {
    lista.LuettuKokonaan = true;
    for (std::size_t i = 0; i < lista.ParasPelaaja.size(); ++i) {
        const Arvo nimi = LueArvo(HKEY_CURRENT_USER, AVAIN_LUKU, Paikka("ParasPelaaja", i));
        lista.ParasPelaaja[i] = Puuttuu(nimi.teksti) ? OLETUSNIMI : nimi.teksti;

        const Arvo tulos = LueArvo(HKEY_CURRENT_USER, AVAIN_LUKU, Paikka("ParasTulos", i));
        if (Puuttuu(tulos.teksti)) {
            lista.ParasTulosTeksti[i] = OLETUSTULOS;
            lista.ParasTulos[i] = 0;
        } else {
            lista.ParasTulosTeksti[i] = tulos.teksti;
            if (const auto pisteet = Pisteiksi(tulos.teksti)) lista.ParasTulos[i] = *pisteet;
        }
        lista.LuettuKokonaan &= Luettu(nimi.tila) && Luettu(tulos.tila);
    }
}

bool TallennaParhaatTulokset(const ParhaatTulokset& lista) {
    bool kaikki = true;
    for (std::size_t i = 0; i < lista.UusiParasPelaaja.size(); ++i) {
        kaikki &= KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, Paikka("ParasPelaaja", i),
                                      REG_SZ, lista.UusiParasPelaaja[i]);
        kaikki &= KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, Paikka("ParasTulos", i),
                                      REG_SZ, std::to_string(lista.UusiParasTulos[i]));
    }
    return kaikki;
}

namespace {

// Takes the stored list when it can be read whole; otherwise keeps the list in
// memory, which must then not be saved over the store.
void LueUudelleen(ParhaatTulokset& lista) {
    ParhaatTulokset tallessa;
    LataaParhaatTulokset(tallessa);
    if (tallessa.LuettuKokonaan) {
        lista = tallessa;
    } else {
        lista.LuettuKokonaan = false;
    }
}

}  // namespace

bool PaivitaParhaatTulokset(ParhaatTulokset& lista,
                            const std::function<bool(ParhaatTulokset&)>& valmistele) {
    bool tallennettu = false;
    {
        KirjoitusEra era(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
        if (era.Auki()) LueUudelleen(lista);
        if (!valmistele(lista)) return false;
        tallennettu =
            era.Auki() && lista.LuettuKokonaan && TallennaParhaatTulokset(lista) && era.Vahvista();
    }
    if (tallennettu) LataaParhaatTulokset(lista);
    return tallennettu;
}
