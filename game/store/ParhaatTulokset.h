#pragma once

#include <array>
#include <cstdint>
#include <string>

// The name of an empty place; its score is 0.
inline constexpr const char* LISTAN_OLETUSNIMI = "Relvano";

// The ten-place best-results list; index 0 is the best place. The staged
// arrays hold a new list on its way to the store.
struct ParhaatTulokset {
    std::array<std::string, 10> ParasPelaaja;
    std::array<std::int16_t, 10> ParasTulos{};
    std::array<std::string, 10> ParasTulosTeksti;
    std::array<std::string, 10> UusiParasPelaaja;
    std::array<std::int16_t, 10> UusiParasTulos{};
    // False after a load that could not read every place: the list then holds
    // defaults where the store may hold results, and must not be saved over it.
    bool LuettuKokonaan = true;
};
