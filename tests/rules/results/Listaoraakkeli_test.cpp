// The random-play test's own reckoning of the list, pinned to cases worked
// out by hand, so that a fault in it cannot hide one in the game.

#include "tests/support/Listaoraakkeli.h"

#include <gtest/gtest.h>

namespace {

Listaoraakkeli Lista(std::array<std::int16_t, 10> tulokset) {
    Listaoraakkeli lista;
    for (std::size_t i = 0; i < lista.size(); ++i)
        lista[i] = {std::string(1, static_cast<char>('A' + i)), tulokset[i]};
    return lista;
}

TEST(Listaoraakkeli, AStreakGoesBelowEqualScoresAndTheTenthDropsOut) {
    const Listaoraakkeli jalkeen =
        ListaLisayksenJalkeen(Lista({5, 3, 3, 2, 0, 0, 0, 0, 0, 0}), "U", 3);
    const Listaoraakkeli odotettu = {{{"A", 5},
                                      {"B", 3},
                                      {"C", 3},
                                      {"U", 3},
                                      {"D", 2},
                                      {"E", 0},
                                      {"F", 0},
                                      {"G", 0},
                                      {"H", 0},
                                      {"I", 0}}};
    EXPECT_EQ(jalkeen, odotettu);
}

TEST(Listaoraakkeli, AStreakEqualToTheTenthOrOfNoGamesChangesNothing) {
    const Listaoraakkeli lista = Lista({9, 8, 7, 6, 5, 4, 3, 2, 1, 1});
    EXPECT_EQ(ListaLisayksenJalkeen(lista, "U", 1), lista);
    EXPECT_EQ(ListaLisayksenJalkeen(Lista({0, 0, 0, 0, 0, 0, 0, 0, 0, -3}), "U", 0),
              Lista({0, 0, 0, 0, 0, 0, 0, 0, 0, -3}));
}

TEST(Listaoraakkeli, ABestStreakTakesTheFirstPlace) {
    const Listaoraakkeli jalkeen =
        ListaLisayksenJalkeen(Lista({2, 1, 1, 0, 0, 0, 0, 0, 0, 0}), "U", 40000);
    EXPECT_EQ(jalkeen[0], (Listarivi{"U", 32767}));
    EXPECT_EQ(jalkeen[1], (Listarivi{"A", 2}));
    EXPECT_EQ(jalkeen[9], (Listarivi{"I", 0}));
}

}  // namespace
