#include "tests/rules/firing/Pelisimulaatio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <string>

#include "rules/Ruudut.h"
#include "tests/support/Laivastotarkistus.h"

namespace {

enum class Vaihe { PelaajaAmpuu, KoneAmpuu, Voitettu, Havitty, Muu };

// The firing rows of the phase table.
Vaihe VaiheLipuista(const Pelitila& t) {
    const bool v = t.PelaajanVuoro, s = t.SijoitusKaynnissa, a = t.AmmuntaKaynnissa,
               p = t.PeliKaynnissa;
    if (s) return Vaihe::Muu;
    if (v && a && p) return Vaihe::PelaajaAmpuu;
    if (!v && a && p) return Vaihe::KoneAmpuu;
    if (!v && !a && !p) return Vaihe::Voitettu;
    if (v && !a && !p) return Vaihe::Havitty;
    return Vaihe::Muu;
}

bool Viimeksi(Kuva k) { return k == Kuva::OsumaViimeksi || k == Kuva::OhiViimeksi; }

// Checks everything that must hold after every shot of a whole game.
class Tarkastus {
  public:
    explicit Tarkastus(Pelisimulaatio& s) : s_(s), voitotAlussa_(s.t.PerakkaisetVoitot) {}

    void operator()(Hetki hetki) {
        const Pelitila& t = s_.t;
        if (hetki == Hetki::PelaajaAmpui) {
            Ammuttu(pelaajanLaukaukset_, t.PelaajanViimeisinLaukaus, "player");
            const Vaihe v = VaiheLipuista(t);
            EXPECT_TRUE(v == Vaihe::KoneAmpuu || (v == Vaihe::Voitettu && t.PelaajanOsumat == 20))
                << "phase after the player's shot";
        } else {
            Ammuttu(koneenLaukaukset_, t.KoneenViimeisinLaukaus, "computer");
            const Vaihe v = VaiheLipuista(t);
            EXPECT_TRUE(v == Vaihe::PelaajaAmpuu || (v == Vaihe::Havitty && t.KoneenOsumat == 20))
                << "phase after the computer's shot";
            JahdinAlku();
        }
        // Hits change squares, never the fleets: both stay whole and apart.
        for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
            EXPECT_EQ(Laivastovirhe(s_.t, puoli, s_.t.LaivojenKulmatSaavatKoskettaa), "")
                << (puoli == Puoli::Pelaaja ? "player's fleet" : "computer's fleet");
        }
        EXPECT_EQ(t.PelaajanOsumat, std::ranges::count(t.KoneenRuudut, Sana::uponnut));
        EXPECT_EQ(t.KoneenOsumat, std::ranges::count(t.PelaajanRuudut, Sana::uponnut));
        Merkit(Puoli::Kone, t.PelaajanViimeisinLaukaus);
        Merkit(Puoli::Pelaaja, t.KoneenViimeisinLaukaus);
        SuljetutRuudut();
    }

    void PeliPaattyi(const Pelitulos& tulos) {
        EXPECT_TRUE(tulos.paattyi);
        EXPECT_EQ(s_.t.PerakkaisetVoitot, tulos.pelaajaVoitti ? voitotAlussa_ + 1 : 0);
        EXPECT_EQ(tulos.koneenLaukaukset, static_cast<int>(koneenLaukaukset_.count()));
        EXPECT_EQ(tulos.pelaajanLaukaukset, static_cast<int>(pelaajanLaukaukset_.count()));
    }

    std::array<int, 9> aloitetutJarjestykset{};

  private:
    void Ammuttu(std::bitset<101>& ammutut, int ruutu, const char* kuka) {
        ASSERT_TRUE(OnRuudukossa(ruutu)) << kuka;
        EXPECT_FALSE(ammutut[static_cast<std::size_t>(ruutu)])
            << kuka << " shot square " << ruutu << " twice";
        ammutut.set(static_cast<std::size_t>(ruutu));
    }

    // Only the latest shot of a side wears the "latest" picture.
    void Merkit(Puoli ruudukko, int viimeisin) {
        for (int r = 1; r <= RUUTUJA; ++r) {
            EXPECT_EQ(Viimeksi(s_.n.ruutu(ruudukko, r).kuva), r == viimeisin) << "square " << r;
        }
    }

    // Squares the player has shot or that a sinking revealed cannot be
    // clicked again; all others can while the game runs.
    void SuljetutRuudut() {
        const Pelitila& t = s_.t;
        for (int r = 1; r <= RUUTUJA; ++r) {
            const bool suljettu =
                pelaajanLaukaukset_[static_cast<std::size_t>(r)] || t.KoneenRuudut[r] == Sana::ohi;
            EXPECT_EQ(s_.n.kone[static_cast<std::size_t>(r)].kaytossa, !suljettu) << "square " << r;
        }
    }

    // A hit that starts a hunt aims next at the first direction of the
    // order it drew.
    void JahdinAlku() {
        const Pelitila& t = s_.t;
        if (t.KoneenViimeisinOsui != Osui::kylla || t.KohdeOsuma != t.KoneenViimeisinLaukaus ||
            jahtiAlkoi_ == t.KohdeOsuma)
            return;
        jahtiAlkoi_ = t.KohdeOsuma;
        ASSERT_GE(t.KohdeVaihe, 1);
        ASSERT_LE(t.KohdeVaihe, 8);
        static constexpr std::array<int, 9> ENSIMMAINEN_ASKEL{0,   -1,  -1,  +1, +1,
                                                              -10, -10, +10, +10};
        EXPECT_EQ(t.KohdeRuutu - *t.KohdeOsuma,
                  ENSIMMAINEN_ASKEL[static_cast<std::size_t>(t.KohdeVaihe)]);
        EXPECT_FALSE(t.VasenTutkittu || t.OikeaTutkittu || t.YlosTutkittu || t.AlasTutkittu);
        ++aloitetutJarjestykset[static_cast<std::size_t>(t.KohdeVaihe)];
    }

    Pelisimulaatio& s_;
    int voitotAlussa_;
    std::bitset<101> pelaajanLaukaukset_;
    std::bitset<101> koneenLaukaukset_;
    std::optional<int> jahtiAlkoi_;
};

struct Sarja {
    bool kulmatSaavatKoskettaa;
    Pelaajatyyppi tyyppi;
    std::uint64_t siemen;
};

class KokonaisetPelit : public ::testing::TestWithParam<Sarja> {};

constexpr int ISTUNTOJA = 40;
constexpr int PELEJA_ISTUNNOSSA = 50;

// Many whole games, a session of games in a row on one board as a player
// would play them, every shot checked.
TEST_P(KokonaisetPelit, EveryShotKeepsTheRulesAndEveryGameEnds) {
    const Sarja sarja = GetParam();
    int voittoja = 0;
    int havioita = 0;
    std::array<int, 9> jarjestykset{};
    for (int istunto = 0; istunto < ISTUNTOJA; ++istunto) {
        Pelisimulaatio s(sarja.siemen + static_cast<std::uint64_t>(istunto),
                         sarja.kulmatSaavatKoskettaa, sarja.tyyppi);
        for (int peli = 0; peli < PELEJA_ISTUNNOSSA; ++peli) {
            Tarkastus tarkastus(s);
            const Pelitulos tulos = s.Pelaa(std::ref(tarkastus));
            tarkastus.PeliPaattyi(tulos);
            if (::testing::Test::HasFailure()) FAIL() << "session " << istunto << ", game " << peli;
            (tulos.pelaajaVoitti ? voittoja : havioita) += 1;
            for (std::size_t k = 1; k <= 8; ++k)
                jarjestykset[k] += tarkastus.aloitetutJarjestykset[k];
        }
    }
    EXPECT_EQ(voittoja + havioita, ISTUNTOJA * PELEJA_ISTUNNOSSA);
    EXPECT_GT(havioita, 0);
    if (sarja.tyyppi == Pelaajatyyppi::Haviava) {
        EXPECT_EQ(voittoja, 0);
    } else {
        EXPECT_GT(voittoja, 0);
    }
    for (std::size_t k = 1; k <= 8; ++k) EXPECT_GT(jarjestykset[k], 0) << "order " << k;
}

INSTANTIATE_TEST_SUITE_P(Pelit, KokonaisetPelit,
                         ::testing::Values(Sarja{true, Pelaajatyyppi::Satunnainen, 1000},
                                           Sarja{false, Pelaajatyyppi::Satunnainen, 2000},
                                           Sarja{true, Pelaajatyyppi::Haviava, 3000},
                                           Sarja{false, Pelaajatyyppi::Haviava, 4000}),
                         [](const auto& testi) {
                             return std::string(testi.param.tyyppi == Pelaajatyyppi::Haviava
                                                    ? "haviava"
                                                    : "satunnainen") +
                                    (testi.param.kulmatSaavatKoskettaa ? "_kulmat" : "_eikulmia");
                         });

}  // namespace
