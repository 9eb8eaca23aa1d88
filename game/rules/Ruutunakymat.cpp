#include "rules/Ruutunakymat.h"

#include "rules/Nakyma.h"

Ruutunakyma& Ruutunakymat::Muutettava(Puoli ruudukko, int ruutu) {
    bool& listattu = listattu_[Indeksi(ruudukko)][static_cast<std::size_t>(ruutu)];
    if (!listattu) muuttuneet_.emplace_back(ruudukko, ruutu);
    listattu = true;
    return ruudut_[Indeksi(ruudukko)][static_cast<std::size_t>(ruutu)];
}

void Ruutunakymat::Kirjoitettu() {
    if (!kerataan_) Nayta();
}

void Ruutunakymat::NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva) {
    Muutettava(ruudukko, ruutu).kuva = kuva;
    Kirjoitettu();
}

void Ruutunakymat::AsetaSormiosoitin(Puoli ruudukko, int ruutu, bool sormi) {
    Muutettava(ruudukko, ruutu).sormi = sormi;
    Kirjoitettu();
}

void Ruutunakymat::AsetaRuutuKaytossa(Puoli ruudukko, int ruutu, bool kaytossa) {
    Muutettava(ruudukko, ruutu).kaytossa = kaytossa;
    Kirjoitettu();
}

void Ruutunakymat::NaytaVedenpinta(Puoli ruudukko, int ruutu, std::optional<double> pinta) {
    Muutettava(ruudukko, ruutu).vedenpinta = pinta;
    Kirjoitettu();
}

void Ruutunakymat::Nayta() {
    kerataan_ = false;
    std::vector<Ruutumuutos> muutokset;
    for (const auto& [ruudukko, ruutu] : muuttuneet_) {
        listattu_[Indeksi(ruudukko)][static_cast<std::size_t>(ruutu)] = false;
        const Ruutunakyma& nyt = (*this)(ruudukko, ruutu);
        Ruutunakyma& naytetty = naytetty_[Indeksi(ruudukko)][static_cast<std::size_t>(ruutu)];
        if (nyt == naytetty) continue;
        naytetty = nyt;
        muutokset.push_back({ruudukko, ruutu, nyt});
    }
    muuttuneet_.clear();
    if (!muutokset.empty()) n.NaytaRuudut(muutokset);
}
