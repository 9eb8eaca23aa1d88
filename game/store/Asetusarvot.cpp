#include "store/Asetusarvot.h"

#include "platform/registry/kirjoitusera.h"
#include "store/mdlMorvak2.h"

std::string Totuusarvona(bool arvo) { return arvo ? "True" : "False"; }

bool LueNakymavalinta(const std::string& nimi, bool suunniteltu) {
    const std::string arvo = LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
    if (arvo == "True" || arvo == EI_LOYTYNYT) return true;
    if (arvo == "False") return false;
    return suunniteltu;
}

bool LueTotuusasetus(const std::string& nimi, bool alku) {
    const std::string arvo = LueAsetus(nimi);
    if (arvo == "True") return true;
    if (arvo == "False") return false;
    return alku;
}

std::string LueAsetus(const std::string& nimi) {
    return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
}

Tallennustulos Tallenna(const std::string& nimi, const std::string& arvo) {
    return KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, arvo);
}

Tallennustulos TallennaYhdessa(const Tekstit& tekstit) {
    KirjoitusEra era(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
    if (!era.Auki()) return Tallennustulos::Kun(false, era.Varattu());
    ViimeisteleKesken(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
    const bool tallessa =
        KirjoitaKokonaan(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, tekstit) && era.Vahvista();
    return Tallennustulos::Kun(tallessa, era.Varattu());
}

Tallennustulos TallennaAsetukset(const std::string& aloitustapa, bool kulmat, bool reuna,
                                 bool uppoaminen) {
    return TallennaYhdessa({{"PelinAloitustapa", aloitustapa},
                            {"LaivojenKulmatSaavatKoskettaa", Totuusarvona(kulmat)},
                            {"LaivaSaaSijaitaReunassa", Totuusarvona(reuna)},
                            {"NaytetaanLaivojenUppoaminen", Totuusarvona(uppoaminen)}});
}
