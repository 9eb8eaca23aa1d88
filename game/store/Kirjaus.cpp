#include "store/Kirjaus.h"

#include <charconv>

namespace {

// A later version that changes the format changes the number, so that this
// one leaves its journal alone.
constexpr std::string_view OTSAKE = "Morvak-kirjaus 1\n";

void LisaaKentta(std::string& tavut, const std::string& kentta) {
    tavut += std::to_string(kentta.size()) + ':' + kentta;
}

// Takes one field off the front of `tavut`.
std::optional<std::string> Kentta(std::string_view& tavut) {
    const char* loppu = tavut.data() + tavut.size();
    std::size_t pituus = 0;
    const auto [kohta, virhe] = std::from_chars(tavut.data(), loppu, pituus);
    if (virhe != std::errc{} || kohta == loppu || *kohta != ':') return std::nullopt;
    const auto alku = static_cast<std::size_t>(kohta + 1 - tavut.data());
    if (tavut.size() - alku < pituus) return std::nullopt;
    std::string kentta(tavut.substr(alku, pituus));
    tavut.remove_prefix(alku + pituus);
    return kentta;
}

}  // namespace

std::string KirjauksenTavut(const std::vector<Muutos>& muutokset) {
    std::string tavut(OTSAKE);
    for (const Muutos& muutos : muutokset) {
        LisaaKentta(tavut, muutos.nimi);
        LisaaKentta(tavut, muutos.ennen);
        LisaaKentta(tavut, muutos.jalkeen);
    }
    return tavut;
}

std::optional<std::vector<Muutos>> PuraKirjaus(std::string_view tavut) {
    if (!tavut.starts_with(OTSAKE)) return std::nullopt;
    tavut.remove_prefix(OTSAKE.size());
    std::vector<Muutos> muutokset;
    while (!tavut.empty()) {
        auto nimi = Kentta(tavut);
        auto ennen = Kentta(tavut);
        auto jalkeen = Kentta(tavut);
        if (!nimi || !ennen || !jalkeen) return std::nullopt;
        muutokset.push_back({std::move(*nimi), std::move(*ennen), std::move(*jalkeen)});
    }
    if (muutokset.empty()) return std::nullopt;
    return muutokset;
}
