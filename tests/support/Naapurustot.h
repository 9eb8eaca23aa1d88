#pragma once

#include <algorithm>
#include <stdexcept>
#include <vector>

// The squares around one square, written out by hand from the grid: those
// sharing a side, and those sharing only a corner unless ships may touch at
// their corners. In the game's fixed order (left, above right, above, above
// left, right, below left, below, below right), since what a sinking reveals
// is drawn in that order. The corners and edges of the grid are here because
// that is where a neighbour set goes wrong.
struct Naapurusto {
    int ruutu;
    bool kulmat;  // ships may touch at their corners
    std::vector<int> naapurit;
};

inline const std::vector<Naapurusto> NAAPURUSTOT{
    {1, true, {2, 11}},           {1, false, {2, 11, 12}},
    {10, true, {9, 20}},          {10, false, {9, 19, 20}},
    {11, true, {1, 12, 21}},      {11, false, {2, 1, 12, 21, 22}},
    {20, true, {19, 10, 30}},     {20, false, {19, 10, 9, 29, 30}},
    {91, true, {81, 92}},         {91, false, {82, 81, 92}},
    {100, true, {99, 90}},        {100, false, {99, 90, 89}},
    {45, true, {44, 35, 46, 55}}, {45, false, {44, 36, 35, 34, 46, 54, 55, 56}},
};

inline const std::vector<int>& NaapuritTaulukosta(int ruutu, bool kulmat) {
    const auto osuma = std::ranges::find_if(
        NAAPURUSTOT, [&](const Naapurusto& n) { return n.ruutu == ruutu && n.kulmat == kulmat; });
    if (osuma == NAAPURUSTOT.end()) throw std::out_of_range("no neighbour set written out");
    return osuma->naapurit;
}

inline std::vector<int> Jarjestettyna(std::vector<int> ruudut) {
    std::ranges::sort(ruudut);
    return ruudut;
}
