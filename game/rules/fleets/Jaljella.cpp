#include "rules/fleets/Jaljella.h"

#include <algorithm>

#include "rules/Ruudut.h"
#include "rules/Tekstit.h"

namespace {

// A ship is sunk once every square of its record is hit. A record not laid
// holds no square, and a friend's ship enters its record only as it sinks.
bool Uponnut(const Laiva& laiva, const Ruudukko& ruudut) {
    return std::ranges::all_of(
        laiva.ruudut, [&](int r) { return OnRuudukossa(r) && ruudut[r] == Sana::uponnut; });
}

}  // namespace

Upotetut Uponneet(Pelitila& t, Puoli puoli) {
    const auto laivat = t.Laivat(puoli);
    Upotetut upotetut{};
    for (std::size_t alku = 0; alku < laivat.size();) {
        const std::size_t pituus = laivat[alku].ruudut.size();
        std::size_t loppu = alku;
        while (loppu < laivat.size() && laivat[loppu].ruudut.size() == pituus) ++loppu;
        const auto uponneita =
            std::count_if(laivat.begin() + alku, laivat.begin() + loppu,
                          [&](const Laiva& l) { return Uponnut(l, t.Ruudut(puoli)); });
        std::fill_n(upotetut.begin() + alku, uponneita, true);
        alku = loppu;
    }
    return upotetut;
}

std::string Katsaus(Puoli puoli, const Upotetut& upotetut) {
    // Fleet order: the carrier, two cruisers, three gunboats, four submarines.
    constexpr std::array<std::size_t, 5> ALUT{0, 1, 3, 6, 10};
    std::array<int, 4> jaljella{};
    for (std::size_t laji = 0; laji < jaljella.size(); ++laji) {
        jaljella[laji] = static_cast<int>(
            std::count(upotetut.begin() + ALUT[laji], upotetut.begin() + ALUT[laji + 1], false));
    }
    return teksti::Jaljella(puoli == Puoli::Pelaaja, jaljella);
}
