#include "rules/access/Ruudunnimet.h"

#include <algorithm>

#include "rules/Ruudut.h"
#include "rules/Tekstit.h"

namespace {

// A hit square of a ship whose every square is hit; a sighted player reads
// it from the misses revealed around the wreck.
bool Upposi(Pelitila& t, Puoli ruudukko, int ruutu) {
    const Ruudukko& ruudut = t.Ruudut(ruudukko);
    for (const Laiva& laiva : t.Laivat(ruudukko)) {
        if (std::ranges::find(laiva.ruudut, ruutu) == laiva.ruudut.end()) continue;
        return std::ranges::all_of(
            laiva.ruudut, [&](int r) { return OnRuudukossa(r) && ruudut[r] == Sana::uponnut; });
    }
    return false;
}

std::string Sisalto(Pelitila& t, Puoli ruudukko, int ruutu, Kuva kuva) {
    switch (kuva) {
        case Kuva::Vesi:
            return teksti::RUUTU_VESI;
        case Kuva::Laiva:
            return teksti::RUUTU_LAIVA;
        case Kuva::Ohi:
            // While ships are laid the miss picture marks the squares where
            // none may go.
            return ruudukko == Puoli::Pelaaja && t.SijoitusKaynnissa ? teksti::RUUTU_EPAKELPO
                                                                     : teksti::RUUTU_OHI;
        case Kuva::OhiViimeksi:
            return std::string(teksti::RUUTU_OHI) + teksti::VIIMEISIN_LAUKAUS;
        case Kuva::Osuma:
        case Kuva::OsumaViimeksi:
            break;
    }
    std::string osuma = Upposi(t, ruudukko, ruutu) ? teksti::RUUTU_UPONNUT : teksti::RUUTU_OSUMA;
    if (kuva == Kuva::OsumaViimeksi) osuma += teksti::VIIMEISIN_LAUKAUS;
    return osuma;
}

}  // namespace

const char* RuudukonNimi(Puoli ruudukko) {
    return ruudukko == Puoli::Pelaaja ? teksti::OMA_RUUDUKKO : teksti::VASTUSTAJAN_RUUDUKKO;
}

std::string RuudunNimi(Pelitila& t, Puoli ruudukko, int ruutu, Kuva kuva) {
    return teksti::Ruudunnimi(RuudukonNimi(ruudukko), Rivi(ruutu), Sarake(ruutu),
                              Sisalto(t, ruudukko, ruutu, kuva));
}
