#pragma once

#include <array>
#include <cstdlib>
#include <set>
#include <string>

#include "rules/Pelitila.h"
#include "rules/Ruudut.h"

// Squares 1 to 100 run along the rows; worked out here from the numbering
// itself, so that a fault in the game's own neighbour walk cannot hide.
inline bool Koskettavat(int a, int b, bool kulmat) {
    const int rivit = std::abs((a - 1) / 10 - (b - 1) / 10);
    const int sarakkeet = std::abs((a - 1) % 10 - (b - 1) % 10);
    if (rivit > 1 || sarakkeet > 1 || rivit + sarakkeet == 0) return false;
    return rivit + sarakkeet == 1 || !kulmat;
}

// Everything a side's complete fleet must be: ten ships laid, each in one
// unbroken straight line on the grid, every square of a record a ship square
// (whole or hit) and every ship square in exactly one record, twenty in all,
// and no two ships touching along a side, nor at a corner unless `kulmat`.
// Returns the first fault found, or an empty text.
inline std::string Laivastovirhe(Pelitila& t, Puoli puoli, bool kulmat) {
    const Ruudukko& sanat = t.Ruudut(puoli);
    const auto laivaa = [&](int r) { return sanat[r] == Sana::laiva || sanat[r] == Sana::uponnut; };
    std::array<int, RUUTUJA + 1> omistaja;
    omistaja.fill(-1);
    std::set<int> kaikki;
    int i = 0;
    for (const Laiva& laiva : t.Laivat(puoli)) {
        if (!laiva.sijoitettu) return "ship " + std::to_string(i + 1) + " not placed";
        const int alku = laiva.ruudut[0];
        if (!OnRuudukossa(alku)) return "square off the grid";
        const int askel = laiva.ruudut.size() > 1 ? laiva.ruudut[1] - alku : 1;
        if (std::abs(askel) != 1 && std::abs(askel) != 10) return "not straight";
        for (std::size_t j = 0; j < laiva.ruudut.size(); ++j) {
            const int r = laiva.ruudut[j];
            if (r != alku + static_cast<int>(j) * askel || !OnRuudukossa(r)) return "not straight";
            if (std::abs(askel) == 1 && Rivi(r) != Rivi(alku)) return "wraps a row";
            if (!laivaa(r)) return "record square " + std::to_string(r) + " not a ship";
            if (!kaikki.insert(r).second) return "two ships share a square";
            omistaja[static_cast<std::size_t>(r)] = i;
        }
        ++i;
    }
    if (kaikki.size() != 20) return "not twenty squares";
    for (int r = 1; r <= RUUTUJA; ++r) {
        const int oma = omistaja[static_cast<std::size_t>(r)];
        if (laivaa(r) && oma < 0) return "ship square " + std::to_string(r) + " in no record";
        if (oma < 0) continue;
        for (int m = 1; m <= RUUTUJA; ++m) {
            const int toinen = omistaja[static_cast<std::size_t>(m)];
            if (toinen >= 0 && toinen != oma && Koskettavat(r, m, kulmat))
                return "ships touch at " + std::to_string(r) + " and " + std::to_string(m);
        }
    }
    return "";
}
