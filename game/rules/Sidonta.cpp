#include "rules/Sidonta.h"

#include <utility>

namespace sido {

namespace {

std::function<bool()> Lue(const bool* arvo) {
    if (arvo == nullptr) return {};
    return [arvo] { return *arvo; };
}

}  // namespace

Sidonta Painike(std::string saadin, std::function<void()> napsautus, const bool* kaytossa) {
    return {
        .saadin = std::move(saadin), .kaytossa = Lue(kaytossa), .napsautus = std::move(napsautus)};
}

Sidonta Nimio(std::string saadin, const std::string& teksti) {
    return {.saadin = std::move(saadin), .teksti = [&teksti] { return teksti; }};
}

Sidonta Kuva(std::string saadin, const std::string& nimi,
             std::function<piirros::Pikselikuva(int leveys, int korkeus)> kuva) {
    return {
        .saadin = std::move(saadin), .teksti = [&nimi] { return nimi; }, .kuva = std::move(kuva)};
}

Sidonta Kaytossa(std::string saadin, const bool& kaytossa) {
    return {.saadin = std::move(saadin), .kaytossa = Lue(&kaytossa)};
}

Sidonta Valintaruutu(std::string saadin, bool& valittu, const bool* kaytossa) {
    return {.saadin = std::move(saadin),
            .valittu = [&valittu] { return valittu; },
            .kaytossa = Lue(kaytossa),
            .valinta = [&valittu](bool uusi) { valittu = uusi; }};
}

// An option is only ever set by selecting it; the one losing the selection
// follows from the field.
Sidonta Valintanappi(std::string saadin, std::size_t& valinta, std::size_t arvo) {
    return {.saadin = std::move(saadin),
            .valittu = [&valinta, arvo] { return valinta == arvo; },
            .valinta =
                [&valinta, arvo](bool valittu) {
                    if (valittu) valinta = arvo;
                }};
}

Sidonta Tekstikentta(std::string saadin, const std::string& teksti,
                     std::function<void(const std::string&)> muutos, int pituus) {
    return {.saadin = std::move(saadin),
            .teksti = [&teksti] { return teksti; },
            .muutos = std::move(muutos),
            .pituus = pituus};
}

}  // namespace sido
