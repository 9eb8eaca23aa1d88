#include "rules/results/ParhaidenLista.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"

namespace {

ParhaatTulokset Lista(const std::array<std::int16_t, 10>& tulokset) {
    ParhaatTulokset lista;
    for (std::size_t i = 0; i < 10; ++i) {
        lista.ParasPelaaja[i] = "P" + std::to_string(i);
        lista.ParasTulos[i] = tulokset[i];
        lista.ParasTulosTeksti[i] = std::to_string(tulokset[i]);
    }
    return lista;
}

std::string Lue(const std::string& nimi) {
    return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
}

void Kirjoita(const std::string& nimi, const std::string& teksti) {
    ASSERT_TRUE(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, teksti));
}

// Stores names P0 to P9 with the scores given, each score as `muoto` writes it.
void TallennaLista(const std::array<std::int16_t, 10>& tulokset, const char* muoto = "%d") {
    for (std::size_t i = 0; i < 10; ++i) {
        char teksti[16];
        std::snprintf(teksti, sizeof teksti, muoto, tulokset[i]);
        Kirjoita("ParasPelaaja" + std::to_string(i), "P" + std::to_string(i));
        Kirjoita("ParasTulos" + std::to_string(i), teksti);
    }
}

}  // namespace

TEST(SijaListalla, EqualScoresStayAboveTheNewEntry) {
    const ParhaatTulokset lista = Lista({5, 3, 3, 2, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(SijaListalla(lista, 3), 3);
    EXPECT_EQ(SijaListalla(lista, 4), 1);
    EXPECT_EQ(SijaListalla(lista, 6), 0);
    EXPECT_EQ(SijaListalla(lista, 1), 4);
}

TEST(SijaListalla, FreshListTakesAStreakOfOneAtTheTop) {
    EXPECT_EQ(SijaListalla(Lista({}), 1), 0);
    EXPECT_EQ(SijaListalla(Lista({}), 0), std::nullopt);
}

TEST(SijaListalla, NoGamesEarnNoPlaceAboveNegativeScores) {
    const ParhaatTulokset lista = Lista({3, 0, 0, 0, 0, 0, -1, -1, -2, -32768});
    EXPECT_EQ(SijaListalla(lista, 0), std::nullopt);
    EXPECT_EQ(SijaListalla(lista, 1), 1);
}

TEST(SijaListalla, OnlyTheLastPlaceOrNone) {
    const ParhaatTulokset lista = Lista({9, 9, 9, 9, 9, 9, 9, 9, 9, 4});
    EXPECT_EQ(SijaListalla(lista, 5), 9);
    EXPECT_EQ(SijaListalla(lista, 4), std::nullopt);
}

TEST(ValmisteleLisays, ShiftsTheRestDownAndDropsTheTenth) {
    ParhaatTulokset lista = Lista({5, 3, 3, 2, 0, 0, 0, 0, 0, 0});
    ValmisteleLisays(lista, 3, "Uusi", 3);

    const std::array<std::string, 10> nimet = {"P0", "P1", "P2", "Uusi", "P3",
                                               "P4", "P5", "P6", "P7",   "P8"};
    const std::array<std::int16_t, 10> tulokset = {5, 3, 3, 3, 2, 0, 0, 0, 0, 0};
    EXPECT_EQ(lista.UusiParasPelaaja, nimet);
    EXPECT_EQ(lista.UusiParasTulos, tulokset);
    EXPECT_EQ(lista.ParasPelaaja[3], "P3") << "staging leaves the live list alone";
}

TEST(ValmisteleLisays, FirstAndLastPlaces) {
    ParhaatTulokset lista = Lista({5, 4, 3, 2, 1, 1, 1, 1, 1, 1});
    ValmisteleLisays(lista, 0, "Paras", 7);
    EXPECT_EQ(lista.UusiParasPelaaja[0], "Paras");
    EXPECT_EQ(lista.UusiParasTulos[0], 7);
    EXPECT_EQ(lista.UusiParasPelaaja[1], "P0");
    EXPECT_EQ(lista.UusiParasPelaaja[9], "P8");

    ValmisteleLisays(lista, 9, "Viimeinen", 2);
    EXPECT_EQ(lista.UusiParasPelaaja[8], "P8");
    EXPECT_EQ(lista.UusiParasPelaaja[9], "Viimeinen");
    EXPECT_EQ(lista.UusiParasTulos[9], 2);
}

TEST(LisaaListalle, SavesAndReadsTheListBackAsTyped) {
    Testipesa pesa;
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    const std::string nimi = " Äijä  Öljynen ";

    LisaaListalle(lista, nimi, 2);

    EXPECT_EQ(Lue("ParasPelaaja0"), nimi);
    EXPECT_EQ(Lue("ParasTulos0"), "2");
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(Lue("ParasPelaaja" + std::to_string(i)), "Relvano") << i;
        EXPECT_EQ(Lue("ParasTulos" + std::to_string(i)), "0") << i;
    }
    EXPECT_EQ(lista.ParasPelaaja[0], nimi);
    EXPECT_EQ(lista.ParasTulos[0], 2);
    EXPECT_EQ(lista.ParasTulosTeksti[0], "2");
}

TEST(LisaaListalle, TheLiveListFollowsTheStoreAfterASave) {
    Testipesa pesa;
    TallennaLista({3, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "%02d");
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    ASSERT_EQ(lista.ParasTulosTeksti[0], "03");

    LisaaListalle(lista, "Toinen", 1);

    EXPECT_EQ(lista.ParasPelaaja[0], "P0");
    EXPECT_EQ(lista.ParasTulosTeksti[0], "3") << "reloaded from what was written";
    EXPECT_EQ(lista.ParasPelaaja[1], "Toinen");
    EXPECT_EQ(lista.ParasPelaaja[9], "P8");
}

TEST(LisaaListalle, AStreakWithoutAPlaceInTheStoredListSavesNothing) {
    Testipesa pesa;
    TallennaLista({4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, "%02d");
    ParhaatTulokset lista;

    LisaaListalle(lista, "Ei", 4);

    EXPECT_EQ(Lue("ParasTulos0"), "04") << "a save would write 4";
    EXPECT_EQ(lista.ParasPelaaja[0], "P0") << "the live list is the one stored";
    EXPECT_EQ(lista.ParasTulos[9], 4);
}

// Both copies loaded the empty list at their start; each one's entry goes
// into the list as the other left it.
TEST(LisaaListalle, TwoCopiesInsertingInTurnKeepBothEntries) {
    Testipesa pesa;
    ParhaatTulokset ensimmainen;
    ParhaatTulokset toinen;
    LataaParhaatTulokset(ensimmainen);
    LataaParhaatTulokset(toinen);

    LisaaListalle(ensimmainen, "Aino", 2);
    LisaaListalle(toinen, "Bert", 3);
    LisaaListalle(ensimmainen, "Cecilia", 1);

    const std::array<std::string, 10> nimet = {"Bert",    "Aino",    "Cecilia", "Relvano",
                                               "Relvano", "Relvano", "Relvano", "Relvano",
                                               "Relvano", "Relvano"};
    const std::array<std::int16_t, 10> tulokset = {3, 2, 1, 0, 0, 0, 0, 0, 0, 0};
    ParhaatTulokset tallessa;
    LataaParhaatTulokset(tallessa);
    EXPECT_EQ(tallessa.ParasPelaaja, nimet);
    EXPECT_EQ(tallessa.ParasTulos, tulokset);
    EXPECT_EQ(ensimmainen.ParasPelaaja, nimet);
    EXPECT_EQ(toinen.ParasPelaaja[1], "Aino")
        << "the second copy's save read the first one's entry";
}

// Only the hive has a folder of its own to take away.
#ifndef _WIN32
TEST(LisaaListalle, AFailedSaveKeepsTheEntryForTheRun) {
    Testipesa pesa;
    // The store's folder cannot be made under a regular file.
    const std::filesystem::path tiedosto = pesa.Kansio() / "tiedosto";
    std::ofstream(tiedosto) << "ei kansio";
    setenv("XDG_CONFIG_HOME", (tiedosto / "config").c_str(), 1);
    ParhaatTulokset lista = Lista({5, 3, 3, 2, 0, 0, 0, 0, 0, 0});

    LisaaListalle(lista, "Sinnikäs", 3);

    EXPECT_EQ(Lue("ParasPelaaja0"), EI_LOYTYNYT) << "the store really is out of reach";
    EXPECT_EQ(lista.ParasPelaaja[3], "Sinnikäs");
    EXPECT_EQ(lista.ParasTulos[3], 3);
    EXPECT_EQ(lista.ParasTulosTeksti[3], "3");
    EXPECT_EQ(lista.ParasPelaaja[4], "P3");
    EXPECT_EQ(lista.ParasPelaaja[9], "P8");
}
#endif

TEST(ListallaTuloksia, OnlyExactDefaultsCountAsEmpty) {
    ParhaatTulokset lista;
    lista.ParasPelaaja.fill("Relvano");
    EXPECT_FALSE(ListallaTuloksia(lista));

    lista.ParasPelaaja[7] = "relvano";
    EXPECT_TRUE(ListallaTuloksia(lista));

    lista.ParasPelaaja[7] = "Relvano";
    lista.ParasTulos[9] = 1;
    EXPECT_TRUE(ListallaTuloksia(lista));
}

TEST(TyhjennaLista, WritesAllTwentyValuesAndTheLiveList) {
    Testipesa pesa;
    ParhaatTulokset lista = Lista({2, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    lista.ParasPelaaja[5] = "Relvano";

    TyhjennaLista(lista);

    for (int i = 0; i < 10; ++i) {
        const auto n = static_cast<std::size_t>(i);
        EXPECT_EQ(Lue("ParasPelaaja" + std::to_string(i)), "Relvano") << i;
        EXPECT_EQ(Lue("ParasTulos" + std::to_string(i)), "0") << i;
        EXPECT_EQ(lista.ParasPelaaja[n], "Relvano");
        EXPECT_EQ(lista.ParasTulos[n], 0);
        EXPECT_EQ(lista.ParasTulosTeksti[n], "0");
    }
    EXPECT_FALSE(ListallaTuloksia(lista));
}
