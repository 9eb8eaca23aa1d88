#include "rules/results/ParhaidenLista.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "store/mdlMorvak2.h"

namespace {

constexpr int PAIKKOJA = 10;

// A streak longer than a place can hold is kept at the largest score the
// store reads back.
std::int16_t Tulokseksi(int voitot) {
    return static_cast<std::int16_t>(
        std::min<int>(voitot, std::numeric_limits<std::int16_t>::max()));
}

void OtaValmisteltuKayttoon(ParhaatTulokset& lista) {
    for (std::size_t i = 0; i < PAIKKOJA; ++i) {
        lista.ParasPelaaja[i] = lista.UusiParasPelaaja[i];
        lista.ParasTulos[i] = lista.UusiParasTulos[i];
        lista.ParasTulosTeksti[i] = std::to_string(lista.UusiParasTulos[i]);
    }
}

}  // namespace

bool AnsaitseePaikan(int voitot, int tulos) { return voitot > 0 && voitot > tulos; }

std::optional<int> SijaListalla(const ParhaatTulokset& lista, int voitot) {
    for (int i = 0; i < PAIKKOJA; ++i) {
        if (AnsaitseePaikan(voitot, lista.ParasTulos[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return std::nullopt;
}

void ValmisteleLisays(ParhaatTulokset& lista, int sija, const std::string& nimi, int voitot) {
    for (int j = 0; j < PAIKKOJA; ++j) {
        const auto uusi = static_cast<std::size_t>(j);
        if (j == sija) {
            lista.UusiParasPelaaja[uusi] = nimi;
            lista.UusiParasTulos[uusi] = Tulokseksi(voitot);
        } else {
            const auto vanha = static_cast<std::size_t>(j < sija ? j : j - 1);
            lista.UusiParasPelaaja[uusi] = lista.ParasPelaaja[vanha];
            lista.UusiParasTulos[uusi] = lista.ParasTulos[vanha];
        }
    }
}

Tallennustulos LisaaListalle(ParhaatTulokset& lista, const std::string& nimi, int voitot) {
    bool lisatty = false;
    const auto lisaa = [&](ParhaatTulokset& tuore) {
        const std::optional<int> sija = SijaListalla(tuore, voitot);
        if (sija) ValmisteleLisays(tuore, *sija, nimi, voitot);
        lisatty = sija.has_value();
        return lisatty;
    };
    const Tallennustulos tulos = PaivitaParhaatTulokset(lista, lisaa);
    if (!tulos && lisatty) OtaValmisteltuKayttoon(lista);
    return tulos;
}

bool ListallaTuloksia(const ParhaatTulokset& lista) {
    for (std::size_t i = 0; i < PAIKKOJA; ++i) {
        if (lista.ParasPelaaja[i] != LISTAN_OLETUSNIMI || lista.ParasTulos[i] != 0) {
            return true;
        }
    }
    return false;
}

Tallennustulos TyhjennaLista(ParhaatTulokset& lista) {
    const auto tyhjenna = [](ParhaatTulokset& tuore) {
        tuore.UusiParasPelaaja.fill(LISTAN_OLETUSNIMI);
        tuore.UusiParasTulos.fill(0);
        return true;
    };
    const Tallennustulos tulos = PaivitaParhaatTulokset(lista, tyhjenna);
    if (!tulos) OtaValmisteltuKayttoon(lista);
    return tulos;
}

std::function<Tallennustulos()> ListanTallennus(
    ParhaatTulokset& lista, std::function<Tallennustulos(ParhaatTulokset&)> tallennus) {
    return [&lista, tallennus = std::move(tallennus), yritetty = false]() mutable {
        if (!std::exchange(yritetty, true)) return tallennus(lista);
        ParhaatTulokset kopio = lista;
        const Tallennustulos tulos = tallennus(kopio);
        if (tulos) lista = kopio;
        return tulos;
    };
}
