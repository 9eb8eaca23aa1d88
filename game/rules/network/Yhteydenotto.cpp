#include "rules/network/Yhteydenotto.h"

#include "rules/Tekstit.h"

bool Yhteydenotto::Kuuntele(const std::string& nimi) {
    nimi_ = nimi;
    verkko_.Sulje();
    ensimmainenYhteys_ = verkko_.SeuraavaYhteys();
    if (!verkko_.Kuuntele(nimi_)) return false;
    isanta_ = true;
    osoitteet_ = verkko_.OmatOsoitteet();
    vaihe_ = Vaihe::Odottaa;
    vastustaja_.clear();
    return true;
}

void Yhteydenotto::Yhdista(const std::string& nimi) {
    nimi_ = nimi;
    verkko_.Sulje();
    isanta_ = false;
    vaihe_ = Vaihe::Yhdistaa;
    vastustaja_.clear();
}

void Yhteydenotto::Soita(const std::string& osoite) {
    ensimmainenYhteys_ = verkko_.SeuraavaYhteys();
    verkko_.Yhdista(osoite);
}

bool Yhteydenotto::OdotaSeuraavaa() {
    vaihe_ = Vaihe::Odottaa;
    ensimmainenYhteys_ = verkko_.SeuraavaYhteys();
    return verkko_.Kuuntele(nimi_);
}

void Yhteydenotto::Yhdistetty(int yhteys) {
    if (!Oma(yhteys) || (vaihe_ != Vaihe::Odottaa && vaihe_ != Vaihe::Yhdistaa)) return;
    vaihe_ = Vaihe::Tervehtii;
    if (!isanta_) Esittaydy();
}

std::optional<std::string> Yhteydenotto::Katkesi(Katkos syy) {
    if (isanta_ && vaihe_ == Vaihe::Tervehtii) {
        if (OdotaSeuraavaa()) return std::nullopt;
        return teksti::EI_KUUNNELLA;
    }
    switch (syy) {
        case Katkos::Virheellinen:
            return teksti::VIRHEELLINEN_VIESTI;
        case Katkos::EiYhteytta:
            return vaihe_ == Vaihe::Yhdistaa ? teksti::EI_YHTEYTTA : teksti::YHTEYS_KATKESI;
        case Katkos::Suljettu:
        case Katkos::Hiljaisuus:
            break;
    }
    return teksti::YHTEYS_KATKESI;
}

bool Yhteydenotto::Vieras(const std::optional<viestit::Viesti>& viesti) const {
    return isanta_ && vaihe_ == Vaihe::Tervehtii &&
           !(viesti && std::holds_alternative<viestit::Tervehdys>(*viesti));
}

bool Yhteydenotto::Tervehdi(const viestit::Tervehdys& tervehdys) {
    if (tervehdys.versio != PROTOKOLLAN_VERSIO) {
        // The friend hears it from our greeting in turn.
        if (isanta_) Esittaydy();
        return false;
    }
    vastustaja_ = tervehdys.nimi;
    vaihe_ = Vaihe::Tervehditty;
    if (isanta_) Esittaydy();
    return true;
}

void Yhteydenotto::Esittaydy() { Laheta(viestit::Tervehdys{PROTOKOLLAN_VERSIO, nimi_}); }

void Yhteydenotto::Laheta(const viestit::Viesti& viesti) { verkko_.Laheta(Muotoile(viesti)); }

void Yhteydenotto::Sulje() {
    verkko_.Sulje();
    vaihe_ = Vaihe::Ei;
}
