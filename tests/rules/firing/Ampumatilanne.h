#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "rules/Peli.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

// A display that also keeps one log of pictures, boxes and the name entry
// across both grids, so tests can check what came before what.
class NakymaLoki : public NakymaTesti {
  public:
    struct Tapahtuma {
        std::string mika;  // "kuva", a box's title, "KysyNimi" or "Uppoaminen"
        Puoli puoli = Puoli::Pelaaja;
        int ruutu = 0;
        Kuva kuva = Kuva::Vesi;
    };
    std::vector<Tapahtuma> loki;

    void NaytaKuva(Puoli p, int r, Kuva k) override {
        loki.push_back({"kuva", p, r, k});
        NakymaTesti::NaytaKuva(p, r, k);
    }
    void Ilmoita(const std::string& o, const std::string& t, Kuvake k) override {
        loki.push_back({o});
        NakymaTesti::Ilmoita(o, t, k);
    }
    void NaytaDialogi(Valintaikkunamalli& malli) override {
        if (dynamic_cast<frmKysyNimiMalli*>(&malli)) loki.push_back({"KysyNimi"});
        NakymaTesti::NaytaDialogi(malli);
    }
    void NaytaVedenpinta(Puoli p, int r, std::optional<double> pinta) override {
        const std::size_t ennen = uppoamiset.size();
        NakymaTesti::NaytaVedenpinta(p, r, pinta);
        if (uppoamiset.size() > ennen) loki.push_back({"Uppoaminen", p});
    }

    // Squares of one grid that got picture `kuva`, in drawing order.
    std::vector<int> Piirretyt(Puoli p, Kuva kuva) const;
    // Position of the first entry named `mika` in the log; -1 when absent.
    int Kohta(const std::string& mika) const;
};

// A game in its firing phase with fleets laid by hand, so every test knows
// where each ship lies. Ships may touch at their corners unless a test says
// otherwise before laying.
class Ampumatilanne : public ::testing::Test {
  protected:
    Ampumatilanne();

    // Ship `laiva` of the side in fleet order (0 the carrier .. 9 the fourth
    // submarine) on these squares in record order, with the squares around
    // it blocked as the placement leaves them.
    void Laske(Puoli puoli, std::size_t laiva, std::initializer_list<int> ruudut);
    // A whole fleet of twenty squares away from the grid's edges' corners:
    // carrier 1-4, cruisers 21-23 and 25-27, gunboats 41-42, 44-45, 47-48,
    // submarines 61, 63, 65, 67.
    void LaskeLaivasto(Puoli puoli);
    // Blocks every water square, so a sinking shows exactly which of them
    // count as its neighbours.
    void VaraaKaikki(Puoli puoli);
    // Where the computer's targeting leaves a hit before resolving it.
    void KoneOsuu(int ruutu);
    // A hunt already under way from `osuma` in search order `vaihe`, its
    // next candidate `seuraava`, the latest shot having been that first hit.
    void JahtiKaynnissa(int osuma, int vaihe, int seuraava);
    // The computer's turn as the player's shot hands it over, played to its
    // end: the pause, the shot and any sinking.
    void KoneenVuoro();
    // The clock runs until the rules wait for nothing more.
    void Odota();
    // The player's shot, and the computer's turn it hands over played out.
    void Ammu(int ruutu);

    int taukoja = 0;  // pauses the computer has waited to their end

    std::uint64_t kellonLukemat = 0;
    Pelitila t;
    NakymaLoki n;
    Satunnaisluvut arpa;
    Peli peli;
    Vastauskanava vastauskanava_{n, peli};
};

// The generator the fixture's starts from, for tests that follow its draws.
Satunnaisluvut SamaArpa(std::uint64_t& kellonLukemat);
