#include "rules/results/Tilastot.h"

#include <algorithm>

namespace {

void Lisaa(int& maara, int lisays) {
    maara = lisays > Tilastot::RAJA - maara ? Tilastot::RAJA : maara + lisays;
}

// A won game's shots fall in tens from 20, the hundredth alone.
std::size_t Lokero(int laukaukset) {
    return static_cast<std::size_t>(std::clamp(laukaukset, 20, 100) / 10 - 2);
}

}  // namespace

void Kirjaa(Tilastot& s, Lopputulos tulos, int laukaukset, int osumat, int koneenLaukaukset) {
    Lisaa(s.pelatut, 1);
    Lisaa(s.laukaukset, laukaukset);
    Lisaa(s.osumat, osumat);
    if (tulos == Lopputulos::Voitto) {
        Lisaa(s.voitot, 1);
        Lisaa(s.jakauma[Lokero(laukaukset)], 1);
        if (s.vahimmat == 0 || laukaukset < s.vahimmat) s.vahimmat = laukaukset;
    } else if (tulos == Lopputulos::Tappio) {
        Lisaa(s.tappiot, 1);
        Lisaa(s.koneenLaukaukset, koneenLaukaukset);
    }
    s.viimeiset += static_cast<char>(tulos);
    if (s.viimeiset.size() > Tilastot::VIIMEISIA) s.viimeiset.erase(0, 1);
}

void Kirjaa(Verkkotilastot& tilastot, const std::string& nimi, bool voitti) {
    auto ystava = std::ranges::find(tilastot, nimi, &Ystavatilasto::nimi);
    if (ystava == tilastot.end()) {
        tilastot.push_back({nimi});
        ystava = std::prev(tilastot.end());
    }
    Lisaa(ystava->pelatut, 1);
    if (voitti) Lisaa(ystava->voitot, 1);
    std::rotate(tilastot.begin(), ystava, std::next(ystava));
    if (tilastot.size() > YSTAVIA) tilastot.resize(YSTAVIA);
}
