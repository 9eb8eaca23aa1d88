#include "rules/network/Laivasto.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "platform/crypto/Salaus.h"
#include "rules/Ruudut.h"

namespace {

constexpr std::array<std::size_t, 10> PITUUDET{4, 3, 3, 2, 2, 2, 1, 1, 1, 1};

std::optional<std::vector<int>> LueLaiva(std::string_view teksti) {
    std::vector<int> ruudut;
    std::size_t alku = 0;
    while (alku <= teksti.size()) {
        const std::size_t pilkku = std::min(teksti.find(',', alku), teksti.size());
        const std::string_view sana = teksti.substr(alku, pilkku - alku);
        int ruutu = 0;
        const auto [loppu, virhe] = std::from_chars(sana.data(), sana.data() + sana.size(), ruutu);
        if (sana.empty() || sana[0] == '0' || virhe != std::errc{} ||
            loppu != sana.data() + sana.size() || !OnRuudukossa(ruutu))
            return std::nullopt;
        ruudut.push_back(ruutu);
        alku = pilkku + 1;
    }
    return ruudut;
}

bool Sallittu(const Laivasto& laivasto, bool kulmat, bool reuna) {
    std::array<int, RUUTUJA + 1> omistaja{};
    for (std::size_t i = 0; i < laivasto.size(); ++i) {
        if (laivasto[i].size() != PITUUDET[i] || !Jonossa(laivasto[i])) return false;
        for (int ruutu : laivasto[i]) {
            if (omistaja[ruutu] != 0 || !LaivaVoiOlla(ruutu, reuna)) return false;
            omistaja[ruutu] = static_cast<int>(i) + 1;
        }
    }
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        if (omistaja[ruutu] == 0) continue;
        for (int m : Naapurit(ruutu, kulmat)) {
            if (omistaja[m] != 0 && omistaja[m] != omistaja[ruutu]) return false;
        }
    }
    return true;
}

std::vector<int> Jarjestyksessa(std::vector<int> ruudut) {
    std::ranges::sort(ruudut);
    return ruudut;
}

}  // namespace

bool Jonossa(const std::vector<int>& ruudut) {
    if (ruudut.size() < 2) return true;
    const int askel = ruudut[1] - ruudut[0];
    if (askel != 1 && askel != -1 && askel != 10 && askel != -10) return false;
    for (std::size_t i = 1; i < ruudut.size(); ++i) {
        if (ruudut[i] - ruudut[i - 1] != askel) return false;
        if ((askel == 1 || askel == -1) && Rivi(ruudut[i]) != Rivi(ruudut[0])) return false;
    }
    return true;
}

std::string LaivastonTeksti(const Laivasto& laivasto) {
    std::string teksti;
    for (const auto& laiva : laivasto) {
        if (!teksti.empty()) teksti += '/';
        for (std::size_t i = 0; i < laiva.size(); ++i) {
            if (i > 0) teksti += ',';
            teksti += std::to_string(laiva[i]);
        }
    }
    return teksti;
}

Laivasto OmaLaivasto(Pelitila& t) {
    Laivasto laivasto;
    const auto laivat = t.Laivat(Puoli::Pelaaja);
    for (std::size_t i = 0; i < laivat.size(); ++i)
        laivasto[i].assign(laivat[i].ruudut.begin(), laivat[i].ruudut.end());
    return laivasto;
}

std::optional<Laivasto> LueLaivasto(std::string_view teksti, bool kulmatSaavatKoskettaa,
                                    bool reunaSallittu) {
    Laivasto laivasto;
    std::size_t alku = 0;
    for (std::size_t i = 0; i < laivasto.size(); ++i) {
        if (alku > teksti.size()) return std::nullopt;
        const std::size_t kauttaviiva = std::min(teksti.find('/', alku), teksti.size());
        auto laiva = LueLaiva(teksti.substr(alku, kauttaviiva - alku));
        if (!laiva) return std::nullopt;
        laivasto[i] = std::move(*laiva);
        alku = kauttaviiva + 1;
    }
    if (alku != teksti.size() + 1) return std::nullopt;
    if (!Sallittu(laivasto, kulmatSaavatKoskettaa, reunaSallittu)) return std::nullopt;
    return laivasto;
}

Tiiviste Sitoumus(const Kertakoodi& kertakoodi, std::string_view laivasto) {
    std::vector<std::uint8_t> tavut(kertakoodi.begin(), kertakoodi.end());
    tavut.insert(tavut.end(), laivasto.begin(), laivasto.end());
    return Sha256(tavut);
}

bool VastauksetTasmaavat(const Laivasto& laivasto, const std::vector<Vastaus>& vastaukset) {
    std::array<int, RUUTUJA + 1> osumia{};
    std::array<bool, RUUTUJA + 1> ammuttu{};
    for (const Vastaus& v : vastaukset) {
        const auto laiva = std::ranges::find_if(
            laivasto, [&](const auto& l) { return std::ranges::find(l, v.ruutu) != l.end(); });
        const bool ensimmainen = !std::exchange(ammuttu[v.ruutu], true);
        if (laiva == laivasto.end() || !ensimmainen) {
            if (v.tulos != Vastaus::Tulos::Ohi) return false;
            continue;
        }
        const auto i = static_cast<std::size_t>(laiva - laivasto.begin());
        const bool upposi = ++osumia[i] == static_cast<int>(laiva->size());
        if (upposi != (v.tulos == Vastaus::Tulos::Upposi)) return false;
        if (upposi && Jarjestyksessa(v.uponnut) != Jarjestyksessa(*laiva)) return false;
    }
    return true;
}
