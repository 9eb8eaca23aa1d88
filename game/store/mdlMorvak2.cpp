#include "store/mdlMorvak2.h"

#include <charconv>
#include <optional>

#include "platform/registry/kirjoitusera.h"
#include "store/Arvo.h"
#include "store/KokonainenTallennus.h"

namespace {

const std::string OLETUSTULOS = "0";

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

}  // namespace

Tallennustulos KirjoitaRekisteriin(HKEY juuri, const std::string& avain, const std::string& nimi,
                                   DWORD tyyppi, const std::string& data) {
    HKEY kahva = nullptr;
    const LONG luonti = RegCreateKeyA(juuri, avain.c_str(), &kahva);
    const LONG asetus = AsetaTeksti(kahva, nimi, tyyppi, data);
    const LONG huuhtelu = RegFlushKey(kahva);
    const LONG sulkeminen = RegCloseKey(kahva);
    return Tallennustulos::Kun(luonti == ERROR_SUCCESS && asetus == ERROR_SUCCESS &&
                                   huuhtelu == ERROR_SUCCESS && sulkeminen == ERROR_SUCCESS,
                               luonti == ERROR_LOCK_VIOLATION || asetus == ERROR_LOCK_VIOLATION);
}

std::string LueRekisterista(HKEY juuri, const std::string& avain, const std::string& nimi) {
    KorjaaEnnenLukua(juuri, avain);
    return LueArvo(juuri, avain, nimi).teksti;
}

namespace {

void LueLista(ParhaatTulokset& lista) {
    lista.LuettuKokonaan = true;
    for (std::size_t i = 0; i < lista.ParasPelaaja.size(); ++i) {
        const Arvo nimi = LueArvo(HKEY_CURRENT_USER, AVAIN_LUKU, Paikka("ParasPelaaja", i));
        lista.ParasPelaaja[i] = Puuttuu(nimi.teksti) ? LISTAN_OLETUSNIMI : nimi.teksti;

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

// Takes the stored list when it can be read whole; otherwise keeps the list in
// memory, which must then not be saved over the store.
void LueUudelleen(ParhaatTulokset& lista) {
    ParhaatTulokset tallessa;
    LueLista(tallessa);
    if (tallessa.LuettuKokonaan) {
        lista = tallessa;
    } else {
        lista.LuettuKokonaan = false;
    }
}

}  // namespace

void LataaParhaatTulokset(ParhaatTulokset& lista) {
    KorjaaEnnenLukua(HKEY_CURRENT_USER, AVAIN_LUKU);
    LueLista(lista);
}

bool TallennaParhaatTulokset(const ParhaatTulokset& lista) {
    Tekstit tekstit;
    for (std::size_t i = 0; i < lista.UusiParasPelaaja.size(); ++i) {
        tekstit.emplace_back(Paikka("ParasPelaaja", i), lista.UusiParasPelaaja[i]);
        tekstit.emplace_back(Paikka("ParasTulos", i), std::to_string(lista.UusiParasTulos[i]));
    }
    return KirjoitaKokonaan(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, tekstit);
}

Tallennustulos PaivitaParhaatTulokset(ParhaatTulokset& lista,
                                      const std::function<bool(ParhaatTulokset&)>& valmistele) {
    bool tallennettu = false;
    bool varattu = false;
    {
        KirjoitusEra era(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
        if (era.Auki()) {
            ViimeisteleKesken(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
            LueUudelleen(lista);
        }
        // A list held by another copy may yet give a place the one in memory
        // does not: made again, the stored list decides.
        if (!valmistele(lista)) return Tallennustulos::Kun(false, era.Varattu());
        tallennettu =
            era.Auki() && lista.LuettuKokonaan && TallennaParhaatTulokset(lista) && era.Vahvista();
        varattu = era.Varattu();
    }
    if (tallennettu) LataaParhaatTulokset(lista);
    return Tallennustulos::Kun(tallennettu, varattu);
}
