#include "tests/rules/firing/Ampumatilanne.h"

#include <algorithm>

#include "rules/Ruudut.h"

namespace {

constexpr std::uint64_t SIEMEN = 20240601;

}  // namespace

std::vector<int> NakymaLoki::Piirretyt(Puoli p, Kuva kuva) const {
    std::vector<int> ruudut;
    for (const Tapahtuma& e : loki) {
        if (e.mika == "kuva" && e.puoli == p && e.kuva == kuva) ruudut.push_back(e.ruutu);
    }
    return ruudut;
}

int NakymaLoki::Kohta(const std::string& mika) const {
    const auto e = std::ranges::find(loki, mika, &Tapahtuma::mika);
    return e == loki.end() ? -1 : static_cast<int>(e - loki.begin());
}

Satunnaisluvut SamaArpa(std::uint64_t& kellonLukemat) {
    return Satunnaisluvut(SIEMEN, [&kellonLukemat] { return ++kellonLukemat; });
}

Ampumatilanne::Ampumatilanne() : arpa(SamaArpa(kellonLukemat)), peli(t, n, arpa) {
    t.LaivojenKulmatSaavatKoskettaa = true;
    peli.PoistaLaivat();
    t.PelaajanVuoro = true;
    t.SijoitusKaynnissa = false;
    t.AmmuntaKaynnissa = true;
    t.PeliKaynnissa = true;
    peli.TeePelinAlkuvalmistelut();
    n.loki.clear();
}

void Ampumatilanne::Laske(Puoli puoli, std::size_t laiva, std::initializer_list<int> ruudut) {
    Laiva l = t.Laivat(puoli)[laiva];
    ASSERT_EQ(l.ruudut.size(), ruudut.size());
    std::ranges::copy(ruudut, l.ruudut.begin());
    l.sijoitettu = true;
    Ruudukko& sanat = t.Ruudut(puoli);
    for (int r : ruudut) sanat[r] = Sana::laiva;
    for (int r : ruudut) {
        for (int m : Naapurit(r, t.LaivojenKulmatSaavatKoskettaa)) {
            if (sanat[m] == Sana::vesi) sanat[m] = Sana::varattu;
        }
    }
}

void Ampumatilanne::LaskeLaivasto(Puoli puoli) {
    Laske(puoli, 0, {1, 2, 3, 4});
    Laske(puoli, 1, {21, 22, 23});
    Laske(puoli, 2, {25, 26, 27});
    Laske(puoli, 3, {41, 42});
    Laske(puoli, 4, {44, 45});
    Laske(puoli, 5, {47, 48});
    Laske(puoli, 6, {61});
    Laske(puoli, 7, {63});
    Laske(puoli, 8, {65});
    Laske(puoli, 9, {67});
}

void Ampumatilanne::VaraaKaikki(Puoli puoli) {
    Ruudukko& sanat = t.Ruudut(puoli);
    std::ranges::replace(sanat, Sana::vesi, Sana::varattu);
}

void Ampumatilanne::KoneOsuu(int ruutu) {
    t.PelaajanVuoro = false;
    t.PelaajanRuudut[ruutu] = Sana::uponnut;
    ++t.KoneenOsumat;
}

void Ampumatilanne::JahtiKaynnissa(int osuma, int vaihe, int seuraava) {
    t.PelaajanRuudut[osuma] = Sana::uponnut;
    ++t.KoneenOsumat;
    t.KoneenViimeisinLaukaus = osuma;
    t.KoneenViimeisinOsui = Osui::kylla;
    t.KohdeOsuma = osuma;
    t.KohdeVaihe = vaihe;
    t.KohdeRuutu = seuraava;
}

void Ampumatilanne::KoneenVuoro() {
    t.PelaajanVuoro = false;
    peli.AmmuTietokoneenPuolesta();
    Odota();
}

void Ampumatilanne::Odota() {
    n.AjaLoppuun([this] {
        const bool tauolla = t.TauonLoppu.has_value();
        peli.Ajastin();
        if (tauolla && !t.TauonLoppu) ++taukoja;
    });
}

void Ampumatilanne::Ammu(int ruutu) {
    peli.imgKone_Click(ruutu);
    Odota();
}
