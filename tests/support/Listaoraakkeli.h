#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The best-results list after a streak's entry, worked out apart from the
// game's own insertion: the entry joins the list as its newest member, the
// list is sorted by score keeping older entries above newer ones of equal
// score, and the ten best stay. A streak of no games joins nothing. The game
// keeps its list sorted, which this way of working it out needs.
struct Listarivi {
    std::string nimi;
    std::int16_t tulos = 0;
    bool operator==(const Listarivi&) const = default;
};
using Listaoraakkeli = std::array<Listarivi, 10>;

inline Listaoraakkeli ListaLisayksenJalkeen(const Listaoraakkeli& ennen, const std::string& nimi,
                                            int voitot) {
    if (voitot <= 0) return ennen;
    std::vector<Listarivi> rivit(ennen.begin(), ennen.end());
    rivit.push_back({nimi, static_cast<std::int16_t>(std::min(voitot, 32767))});
    std::ranges::stable_sort(
        rivit, [](const Listarivi& a, const Listarivi& b) { return a.tulos > b.tulos; });
    Listaoraakkeli jalkeen;
    std::copy_n(rivit.begin(), jalkeen.size(), jalkeen.begin());
    return jalkeen;
}
