#include "Pelitila.h"

namespace {

template <std::size_t N>
std::span<int> Ruudut(std::array<int, N>& tietue, std::size_t pituus) {
    return std::span<int>(tietue).subspan(1, pituus);
}

}  // namespace

std::array<Laiva, 10> Pelitila::Laivat(Puoli puoli) {
    const bool p = puoli == Puoli::Pelaaja;
    auto& lentotukialus = p ? PelaajanLentotukialus : KoneenLentotukialus;
    auto& risteilija1 = p ? PelaajanRisteilija1 : KoneenRisteilija1;
    auto& risteilija2 = p ? PelaajanRisteilija2 : KoneenRisteilija2;
    auto& tykkivene1 = p ? PelaajanTykkivene1 : KoneenTykkivene1;
    auto& tykkivene2 = p ? PelaajanTykkivene2 : KoneenTykkivene2;
    auto& tykkivene3 = p ? PelaajanTykkivene3 : KoneenTykkivene3;
    auto& sukellusveneet = p ? PelaajanSukellusveneet : KoneenSukellusveneet;
    auto& lentotukialusSijoitettu =
        p ? PelaajanLentotukialusSijoitettu : KoneenLentotukialusSijoitettu;
    auto& risteilijaSijoitettu = p ? PelaajanRisteilijaSijoitettu : KoneenRisteilijaSijoitettu;
    auto& tykkiveneSijoitettu = p ? PelaajanTykkiveneSijoitettu : KoneenTykkiveneSijoitettu;
    auto& sukellusveneSijoitettu =
        p ? PelaajanSukellusveneSijoitettu : KoneenSukellusveneSijoitettu;
    return {{
        {Ruudut(lentotukialus, 4), lentotukialusSijoitettu},
        {Ruudut(risteilija1, 3), risteilijaSijoitettu[1]},
        {Ruudut(risteilija2, 3), risteilijaSijoitettu[2]},
        {Ruudut(tykkivene1, 2), tykkiveneSijoitettu[1]},
        {Ruudut(tykkivene2, 2), tykkiveneSijoitettu[2]},
        {Ruudut(tykkivene3, 2), tykkiveneSijoitettu[3]},
        {Ruudut(sukellusveneet, 1), sukellusveneSijoitettu[1]},
        {std::span<int>(sukellusveneet).subspan(2, 1), sukellusveneSijoitettu[2]},
        {std::span<int>(sukellusveneet).subspan(3, 1), sukellusveneSijoitettu[3]},
        {std::span<int>(sukellusveneet).subspan(4, 1), sukellusveneSijoitettu[4]},
    }};
}
