#include <algorithm>

#include "rules/Peli.h"
#include "rules/Tekstit.h"

namespace {

std::string Sijoitusohje(const Pelitila& t) {
    const auto sijoitetut = t.Sijoitetut(Puoli::Pelaaja);
    const auto seuraava = std::ranges::find(sijoitetut, false);
    // A complete fleet keeps the last ship's prompt.
    const auto i = std::min<std::ptrdiff_t>(seuraava - sijoitetut.begin(), 9);
    return teksti::SIJOITUSOHJEET[static_cast<std::size_t>(i)];
}

std::string Ohje(const Pelitila& t) {
    if (!t.PeliKaynnissa && t.PelaajanOsumat == 20) return teksti::Voitettu(t.PerakkaisetVoitot);
    if (!t.PeliKaynnissa && t.KoneenOsumat == 20) return teksti::HAVITTY;
    if (t.PeliKaynnissa && t.PelaajanVuoro && t.AmmuntaKaynnissa) return teksti::PELAAJAN_VUORO;
    if (t.PelaajanVuoro && !t.AmmuntaKaynnissa) return Sijoitusohje(t);
    if (!t.KoneenSukellusveneSijoitettu[4] && t.PeliKaynnissa) return teksti::KONE_SIJOITTAA;
    return teksti::KONE_AMPUU;
}

}  // namespace

Tilanne Peli::NykyinenTilanne() const {
    const bool koneAmpuu = !t.PelaajanVuoro && t.PeliKaynnissa;
    const bool sijoittaa = t.PelaajanVuoro && t.SijoitusKaynnissa && !t.AmmuntaKaynnissa;
    return {Ohje(t), !koneAmpuu && !t.Uppoamassa, t.NaytaPainikkeet, t.NaytaMahdottomatLaivaruudut,
            sijoittaa};
}

void Peli::Paivita() { n.NaytaTilanne(NykyinenTilanne()); }

void Peli::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) {
    Paivita();
    n.Ilmoita(otsikko, teksti, kuvake);
    Paivita();
}

bool Peli::Kysy(const std::string& otsikko, const std::string& teksti) {
    Paivita();
    const bool kylla = n.Kysy(otsikko, teksti);
    Paivita();
    return kylla;
}
