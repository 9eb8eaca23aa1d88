#include "rules/Pelitila.h"

namespace {

// Squares from element `alku` on, `pituus` of them.
template <std::size_t N>
std::span<int> Osa(std::array<int, N>& tietue, std::size_t alku, std::size_t pituus) {
    return std::span<int>(tietue).subspan(alku, pituus);
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
        {Osa(lentotukialus, 1, 4), lentotukialusSijoitettu},
        {Osa(risteilija1, 1, 3), risteilijaSijoitettu[1]},
        {Osa(risteilija2, 1, 3), risteilijaSijoitettu[2]},
        {Osa(tykkivene1, 1, 2), tykkiveneSijoitettu[1]},
        {Osa(tykkivene2, 1, 2), tykkiveneSijoitettu[2]},
        {Osa(tykkivene3, 1, 2), tykkiveneSijoitettu[3]},
        {Osa(sukellusveneet, 1, 1), sukellusveneSijoitettu[1]},
        {Osa(sukellusveneet, 2, 1), sukellusveneSijoitettu[2]},
        {Osa(sukellusveneet, 3, 1), sukellusveneSijoitettu[3]},
        {Osa(sukellusveneet, 4, 1), sukellusveneSijoitettu[4]},
    }};
}

std::array<bool, 10> Pelitila::Sijoitetut(Puoli puoli) const {
    const bool p = puoli == Puoli::Pelaaja;
    const auto& risteilijat = p ? PelaajanRisteilijaSijoitettu : KoneenRisteilijaSijoitettu;
    const auto& tykkiveneet = p ? PelaajanTykkiveneSijoitettu : KoneenTykkiveneSijoitettu;
    const auto& sukellusveneet = p ? PelaajanSukellusveneSijoitettu : KoneenSukellusveneSijoitettu;
    return {p ? PelaajanLentotukialusSijoitettu : KoneenLentotukialusSijoitettu,
            risteilijat[1],
            risteilijat[2],
            tykkiveneet[1],
            tykkiveneet[2],
            tykkiveneet[3],
            sukellusveneet[1],
            sukellusveneet[2],
            sukellusveneet[3],
            sukellusveneet[4]};
}
