#include "store/KokonainenTallennus.h"

#include <algorithm>
#include <optional>

#include "platform/registry/arvot.h"
#include "platform/registry/kirjoitusera.h"
#include "store/Arvo.h"
#include "store/Kirjaus.h"

namespace {

// Twenty values of at most 2047 bytes each, before and after, fit well.
constexpr DWORD KIRJAUKSEN_ENIMMAISKOKO = 1 << 18;

bool KirjausLoytyy(HKEY juuri, const std::string& avain) {
    HKEY kahva = nullptr;
    RegOpenKeyA(juuri, avain.c_str(), &kahva);
    BYTE tavu = 0;
    DWORD koko = 1;
    DWORD tyyppi = 0;
    const LONG tulos = KysyArvo(kahva, KIRJAUKSEN_NIMI, &tyyppi, &tavu, &koko);
    RegCloseKey(kahva);
    return tulos == ERROR_SUCCESS || tulos == ERROR_MORE_DATA;
}

std::optional<std::vector<Muutos>> LueKirjaus(HKEY juuri, const std::string& avain) {
    HKEY kahva = nullptr;
    RegOpenKeyA(juuri, avain.c_str(), &kahva);
    std::string tavut(KIRJAUKSEN_ENIMMAISKOKO, '\0');
    DWORD koko = KIRJAUKSEN_ENIMMAISKOKO;
    DWORD tyyppi = 0;
    const LONG tulos =
        KysyArvo(kahva, KIRJAUKSEN_NIMI, &tyyppi, reinterpret_cast<BYTE*>(tavut.data()), &koko);
    RegCloseKey(kahva);
    if (tulos != ERROR_SUCCESS || tyyppi != REG_BINARY) return std::nullopt;
    tavut.resize(koko);
    return PuraKirjaus(tavut);
}

bool Selittaa(HKEY juuri, const std::string& avain, const std::vector<Muutos>& muutokset) {
    return std::ranges::all_of(muutokset, [&](const Muutos& muutos) {
        const Arvo nyt = LueArvo(juuri, avain, muutos.nimi);
        return Luettu(nyt.tila) && (nyt.teksti == muutos.ennen || nyt.teksti == muutos.jalkeen);
    });
}

// The values are on the disk before the journal goes. The removal needs no
// flush of its own: a journal that a power cut brings back only writes the
// same texts again.
bool Viimeistele(HKEY kahva, const std::vector<Muutos>& muutokset) {
    bool kaikki = true;
    for (const Muutos& muutos : muutokset) {
        kaikki = kaikki && AsetaTeksti(kahva, muutos.nimi, REG_SZ, muutos.jalkeen) == ERROR_SUCCESS;
    }
    return kaikki && RegFlushKey(kahva) == ERROR_SUCCESS &&
           PoistaArvo(kahva, KIRJAUKSEN_NIMI) == ERROR_SUCCESS;
}

}  // namespace

bool KirjoitaKokonaan(HKEY juuri, const std::string& avain, const Tekstit& tekstit) {
    std::vector<Muutos> muutokset;
    for (const auto& [nimi, teksti] : tekstit) {
        muutokset.push_back({nimi, LueArvo(juuri, avain, nimi).teksti, teksti});
    }
    const std::string kirjaus = KirjauksenTavut(muutokset);
    if (kirjaus.size() > KIRJAUKSEN_ENIMMAISKOKO) return false;
    HKEY kahva = nullptr;
    // No value is touched before its journal is on the disk.
    const bool kirjattu = RegCreateKeyA(juuri, avain.c_str(), &kahva) == ERROR_SUCCESS &&
                          TallennaArvo(kahva, KIRJAUKSEN_NIMI, REG_BINARY,
                                       reinterpret_cast<const BYTE*>(kirjaus.data()),
                                       static_cast<DWORD>(kirjaus.size())) == ERROR_SUCCESS &&
                          RegFlushKey(kahva) == ERROR_SUCCESS;
    const bool tallennettu = kirjattu && Viimeistele(kahva, muutokset);
    RegCloseKey(kahva);
    return tallennettu;
}

// Every save begins here; a one-byte look spares it reading a whole journal
// buffer when there is none.
void ViimeisteleKesken(HKEY juuri, const std::string& avain) {
    if (!KirjausLoytyy(juuri, avain)) return;
    const auto muutokset = LueKirjaus(juuri, avain);
    if (!muutokset || !Selittaa(juuri, avain, *muutokset)) return;
    HKEY kahva = nullptr;
    if (RegCreateKeyA(juuri, avain.c_str(), &kahva) == ERROR_SUCCESS) {
        Viimeistele(kahva, *muutokset);
    }
    RegCloseKey(kahva);
}

void KorjaaEnnenLukua(HKEY juuri, const std::string& avain) {
    // A read that finds no journal takes no lock.
    if (!KirjausLoytyy(juuri, avain)) return;
    KirjoitusEra era(juuri, avain.c_str());
    if (!era.Auki()) return;
    ViimeisteleKesken(juuri, avain);
    era.Vahvista();
}
