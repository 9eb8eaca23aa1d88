#include "rules/Naytettytilanne.h"

#include <utility>

#include "rules/window/Komennot.h"

namespace {

// Sets what was handed to what is handed now; true when that changed it.
template <class Arvo>
bool Vaihda(std::optional<Arvo>& naytetty, const Arvo& uusi) {
    if (naytetty == uusi) return false;
    naytetty = uusi;
    return true;
}

}  // namespace

Tilannemuutos Naytettytilanne::Muutos(const Tilanne& uusi, const Kohdistus& nappaimisto) {
    Tilannemuutos muutos;
    if (Vaihda(otsikko_, uusi.otsikko)) muutos.otsikko = uusi.otsikko;
    if (Vaihda(ohje_, uusi.ohje)) muutos.ohje = uusi.ohje;
    if (Vaihda(laivastot_, uusi.NaytaLaivastot)) muutos.laivastot = uusi.NaytaLaivastot;
    for (std::size_t i = 0; i < 2; ++i) {
        if (Vaihda(katsaus_[i], uusi.katsaus[i])) muutos.katsaus[i] = uusi.katsaus[i];
    }
    for (std::size_t i = 0; i < KOMENTOJA; ++i) {
        const auto komento = static_cast<Komento>(i);
        const Komentotila tila{komento, Kaytossa(uusi, komento), Valittu(uusi, komento)};
        if (Vaihda(komennot_[i], tila)) muutos.komennot.push_back(tila);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (Vaihda(kohdistus_[i], nappaimisto.ruutu[i])) muutos.kohdistus[i] = nappaimisto.ruutu[i];
    }
    if (std::exchange(luovutuksia_, nappaimisto.luovutuksia) != nappaimisto.luovutuksia)
        muutos.nappaimisto = nappaimisto.ruudukko;
    return muutos;
}

Tilannemuutos Naytettytilanne::Painikkeet(bool kaytossa) {
    Tilannemuutos muutos;
    for (const int i : {0, 1}) {
        const Komentotila tila{Painikekomento(i), kaytossa, std::nullopt};
        komennot_[static_cast<std::size_t>(tila.komento)] = tila;
        muutos.komennot.push_back(tila);
    }
    return muutos;
}
