#include "tests/monkey/Seurattuikkuna.h"

#include <algorithm>
#include <utility>

#include "tests/monkey/Invariantit.h"

void Seurattuikkuna::NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) {
    for (const auto& [ruudukko, ruutu, nakyma] : muutokset) {
        // A sinking square's water changes its look, not its picture.
        Kuva& ennen = kuvat_[static_cast<std::size_t>(ruudukko)][static_cast<std::size_t>(ruutu)];
        const bool sama = std::exchange(ennen, nakyma.kuva) == nakyma.kuva;
        if (sama || (nakyma.kuva != Kuva::OsumaViimeksi && nakyma.kuva != Kuva::OhiViimeksi))
            continue;
        auto& laukaukset = laukaukset_[static_cast<std::size_t>(ruudukko)];
        if (std::ranges::find(laukaukset, ruutu) != laukaukset.end()) {
            havainnot.push_back(
                std::string(ruudukko == Puoli::Pelaaja ? "player's" : "computer's") + " square " +
                std::to_string(ruutu) + " shot twice");
        }
        laukaukset.push_back(ruutu);
    }
    frmMorvak::NaytaRuudut(muutokset);
}

void Seurattuikkuna::AsetaIkkunaKaytossa(bool kaytossa) {
    // Only a new game disables the window: the computer lays its fleet.
    if (!kaytossa) {
        if (koneSijoittaa) havainnot.push_back("a new game started inside another");
        if (Odottaa()) havainnot.push_back("a new game started during the computer's pause");
        paattyneetVaiheet.push_back(Vaihe(Tila()));
        ++pelejaAloitettu;
        for (auto& laukaukset : laukaukset_) laukaukset.clear();
    }
    koneSijoittaa = !kaytossa;
    frmMorvak::AsetaIkkunaKaytossa(kaytossa);
}
