#include "rules/Valintaikkunamalli.h"

#include <algorithm>

Nakyva Valintaikkunamalli::Nayta(const std::string& saadin) const {
    Nakyva nakyva{asettelu_[saadin].teksti};
    const Sidonta* sidottu = Sidottu(saadin);
    if (sidottu == nullptr) return nakyva;
    if (sidottu->teksti) nakyva.teksti = sidottu->teksti();
    if (sidottu->valittu) nakyva.valittu = sidottu->valittu();
    if (sidottu->kaytossa) nakyva.kaytossa = sidottu->kaytossa();
    return nakyva;
}

piirros::Pikselikuva Valintaikkunamalli::Kuva(const std::string& saadin, int leveys,
                                              int korkeus) const {
    const Sidonta* sidottu = Sidottu(saadin);
    if (sidottu == nullptr || !sidottu->kuva) return {leveys, korkeus};
    return sidottu->kuva(leveys, korkeus);
}

int Valintaikkunamalli::Pituus(const std::string& saadin) const {
    const Sidonta* sidottu = Sidottu(saadin);
    return sidottu != nullptr ? sidottu->pituus : 0;
}

void Valintaikkunamalli::Napsauta(const std::string& saadin) {
    const Sidonta* sidottu = Kaytettava(saadin);
    if (sidottu == nullptr || !sidottu->napsautus) return;
    sidottu->napsautus();
    if (!auki_) hyvaksytty_ = (asettelu_[saadin].tyyli & tyyli::OLETUS) != 0;
}

void Valintaikkunamalli::Valitse(const std::string& saadin, bool valittu) {
    const Sidonta* sidottu = Kaytettava(saadin);
    if (sidottu != nullptr && sidottu->valinta) sidottu->valinta(valittu);
}

void Valintaikkunamalli::Muuta(const std::string& saadin, const std::string& teksti) {
    const Sidonta* sidottu = Kaytettava(saadin);
    if (sidottu != nullptr && sidottu->muutos) sidottu->muutos(teksti);
}

void Valintaikkunamalli::Toimi(const std::string& saadin, bool valittu, const std::string& teksti) {
    switch (asettelu_[saadin].laji) {
        case Laji::Painike:
        case Laji::Linkki:
            Napsauta(saadin);
            break;
        case Laji::Valintaruutu:
        case Laji::Valintanappi:
            Valitse(saadin, valittu);
            break;
        case Laji::Tekstikentta:
            Muuta(saadin, teksti);
            break;
        default:
            break;
    }
}

void Valintaikkunamalli::Esc() {
    const auto peruutus = std::ranges::find_if(
        asettelu_.saatimet, [](const Saadin& s) { return (s.tyyli & tyyli::PERUUTUS) != 0; });
    if (peruutus != asettelu_.saatimet.end()) Napsauta(peruutus->nimi);
}

const Sidonta* Valintaikkunamalli::Kaytettava(const std::string& saadin) const {
    const Sidonta* sidottu = Sidottu(saadin);
    if (sidottu == nullptr || (sidottu->kaytossa && !sidottu->kaytossa())) return nullptr;
    return sidottu;
}

const Sidonta* Valintaikkunamalli::Sidottu(const std::string& saadin) const {
    const auto loytyi =
        std::ranges::find_if(sidonnat_, [&](const Sidonta& s) { return s.saadin == saadin; });
    return loytyi != sidonnat_.end() ? &*loytyi : nullptr;
}
