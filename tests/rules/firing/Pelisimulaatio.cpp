#include "tests/rules/firing/Pelisimulaatio.h"

#include <algorithm>
#include <vector>

#include "rules/Ruudut.h"
#include "rules/results/frmKysyNimiMalli.h"

Pelisimulaatio::Pelisimulaatio(std::uint64_t siemen, bool kulmatSaavatKoskettaa,
                               Pelaajatyyppi tyyppi)
    : arpa_(siemen, [this] { return ++kellonLukemat_; }),
      peli_(t, n, arpa_),
      tyyppi_(tyyppi),
      pelaajanArpa_(siemen) {
    t.LaivojenKulmatSaavatKoskettaa = kulmatSaavatKoskettaa;
    // The player gives up every place on the list in the real dialog model,
    // which ends the streak.
    n.kysyNimi = [](frmKysyNimiMalli& nimi) { nimi.cmdPainike_Click(1); };
}

Pelitulos Pelisimulaatio::Pelaa(const Tarkkailija& tarkkailija) {
    tarkkailija_ = tarkkailija;
    peli_.UusiPeli();
    Pelitulos tulos;
    if (!LaskePelaajanLaivasto()) return tulos;
    // Every shot of the computer's lands on a square it never shot before.
    tulos.koneAloitti = t.KoneenViimeisinLaukaus != 0;
    tulos.koneenLaukaukset = tulos.koneAloitti ? 1 : 0;

    while (t.PeliKaynnissa) {
        const int ruutu = ValitseRuutu();
        if (ruutu == 0) break;
        peli_.imgKone_Click(ruutu);
        ++tulos.pelaajanLaukaukset;
        if (tarkkailija_) tarkkailija_(Hetki::PelaajaAmpui);
        const int ennen = t.KoneenViimeisinLaukaus;
        Odota();
        if (t.KoneenViimeisinLaukaus == ennen) continue;
        ++tulos.koneenLaukaukset;
        if (tarkkailija_) tarkkailija_(Hetki::KoneAmpui);
    }
    tulos.pelaajaVoitti = t.PelaajanOsumat == 20;
    tulos.paattyi = !t.PeliKaynnissa && (tulos.pelaajaVoitti || t.KoneenOsumat == 20);
    return tulos;
}

bool Pelisimulaatio::LaskePelaajanLaivasto() {
    // A fleet drawn on a board of its own by the computer's placement.
    Pelitila malli;
    malli.LaivojenKulmatSaavatKoskettaa = t.LaivojenKulmatSaavatKoskettaa;
    malli.LaivaSaaSijaitaReunassa = t.LaivaSaaSijaitaReunassa;
    NakymaTesti mallinNakyma;
    Peli mallinPeli(malli, mallinNakyma, arpa_);
    mallinPeli.UusiPeli();

    // Clicked on its top or left square, a ship runs right or down, so it
    // covers exactly the squares it was drawn on.
    for (const Laiva& laiva : malli.Laivat(Puoli::Kone)) {
        const auto [alku, loppu] = std::ranges::minmax(laiva.ruudut);
        const bool pysty = loppu - alku >= 10;
        peli_.imgPelaaja_MouseUp(alku, pysty ? 2 : 1);
    }
    Odota();
    // When the computer starts it has already fired its first shot.
    const auto laivoja = std::ranges::count(t.PelaajanRuudut, Sana::laiva) +
                         std::ranges::count(t.PelaajanRuudut, Sana::uponnut);
    return t.AmmuntaKaynnissa && laivoja == 20;
}

int Pelisimulaatio::ValitseRuutu() {
    std::vector<int> vapaat;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        if (n.kone[ruutu].kaytossa) vapaat.push_back(ruutu);
    }
    if (tyyppi_ != Pelaajatyyppi::Satunnainen) {
        // Ships or water first, by the player's type, as long as any are left.
        const bool laivaan = tyyppi_ == Pelaajatyyppi::Voittava;
        const auto sivuun = [&](int r) { return (t.KoneenRuudut[r] == Sana::laiva) != laivaan; };
        if (!std::ranges::all_of(vapaat, sivuun)) std::erase_if(vapaat, sivuun);
    }
    if (vapaat.empty()) return 0;
    std::uniform_int_distribution<std::size_t> valinta(0, vapaat.size() - 1);
    return vapaat[valinta(pelaajanArpa_)];
}

void Pelisimulaatio::Odota() {
    n.AjaLoppuun([this] { peli_.Ajastin(); });
}
