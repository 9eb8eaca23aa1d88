// Two transports over real sockets on the loopback, each with a face of its
// own that polls what the transport asks it to watch.

#include "net/Verkkoyhteys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "net/Haku.h"
#include "platform/net/tcp.h"
#include "tests/support/Pollausvalvonta.h"
#include "tests/support/Vapaaportti.h"
#include "tests/support/Verkkotapahtumat.h"

namespace {

using Tapahtumat = std::vector<std::string>;

struct Ohjelma {
    Pollausvalvonta kasvo;
    Verkkokuulija kuulija;
    Verkkoyhteys verkko{kasvo, kuulija.Kohde()};
    Ohjelma() { kasvo.Kohde(verkko); }
    bool Sai(std::size_t maara) const { return kuulija.tapahtumat.size() >= maara; }
};

std::unique_ptr<Ohjelma> Isanta(const std::string& nimi) { return Kuuntelevana<Ohjelma>(nimi); }

// Once all is written, nothing should wake the face for writing.
bool KirjoitustaValvotaan(const Pollausvalvonta& kasvo) {
    for (const auto& [kahva, kirjoitus] : kasvo.Valvotut())
        if (kirjoitus) return true;
    return false;
}

TEST(Verkkoyhteys, HelloBothWaysASecondRefusedAndTheCloseSeen) {
    const auto aino = Isanta("Aino");
    ASSERT_NE(aino, nullptr);
    Ohjelma ville;
    ville.verkko.Yhdista("127.0.0.1");
    ASSERT_TRUE(
        OdotaVerkkoa({&aino->kasvo, &ville.kasvo}, [&] { return aino->Sai(1) && ville.Sai(1); }));
    aino->verkko.Laheta("HEI 1 Aino");
    ville.verkko.Laheta("HEI 1 Ville");
    ASSERT_TRUE(
        OdotaVerkkoa({&aino->kasvo, &ville.kasvo}, [&] { return aino->Sai(2) && ville.Sai(2); }));
    EXPECT_EQ(aino->kuulija.tapahtumat, (Tapahtumat{"Yhdistetty", "Rivi HEI 1 Ville"}));
    EXPECT_EQ(ville.kuulija.tapahtumat, (Tapahtumat{"Yhdistetty", "Rivi HEI 1 Aino"}));
    EXPECT_FALSE(KirjoitustaValvotaan(aino->kasvo));
    EXPECT_FALSE(KirjoitustaValvotaan(ville.kasvo));

    Ohjelma kolmas;
    kolmas.verkko.Yhdista("127.0.0.1");
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo, &kolmas.kasvo}, [&] { return kolmas.Sai(3); }));
    EXPECT_EQ(kolmas.kuulija.tapahtumat,
              (Tapahtumat{"Yhdistetty", "Rivi VARATTU", "Katkesi Suljettu"}));
    EXPECT_TRUE(kolmas.kasvo.Valvotut().empty());

    ville.verkko.Sulje();
    EXPECT_TRUE(ville.kasvo.Valvotut().empty());
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo}, [&] { return aino->Sai(3); }));
    EXPECT_EQ(aino->kuulija.tapahtumat,
              (Tapahtumat{"Yhdistetty", "Rivi HEI 1 Ville", "Katkesi Suljettu"}));

    // The place stays taken until the rules wait again, and a line written
    // meanwhile goes nowhere.
    aino->verkko.Laheta("EI");
    Ohjelma neljas;
    neljas.verkko.Yhdista("127.0.0.1");
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo, &neljas.kasvo}, [&] { return neljas.Sai(3); }));
    EXPECT_EQ(neljas.kuulija.tapahtumat,
              (Tapahtumat{"Yhdistetty", "Rivi VARATTU", "Katkesi Suljettu"}));
    ASSERT_TRUE(aino->verkko.Kuuntele("Aino"));
    Ohjelma viides;
    viides.verkko.Yhdista("127.0.0.1");
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo, &viides.kasvo}, [&] { return aino->Sai(4); }));
    aino->verkko.Laheta("MORVAK 1 Aino");
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo, &viides.kasvo}, [&] { return viides.Sai(2); }));
    EXPECT_EQ(viides.kuulija.tapahtumat, (Tapahtumat{"Yhdistetty", "Rivi MORVAK 1 Aino"}));
}

// More than the sockets hold at once: the rest waits for write readiness,
// which is asked only while something waits.
TEST(Verkkoyhteys, ABurstArrivesWholeInOrderThenAnOverlongLineEndsIt) {
    const auto aino = Isanta("Aino");
    ASSERT_NE(aino, nullptr);
    Ohjelma ville;
    ville.verkko.Yhdista("127.0.0.1");
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo, &ville.kasvo}, [&] { return ville.Sai(1); }));
    constexpr int RIVEJA = 40000;
    for (int i = 0; i < RIVEJA; ++i) ville.verkko.Laheta(std::to_string(i) + std::string(200, 'x'));
    ville.verkko.Laheta(std::string(256, 'y'));
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo, &ville.kasvo}, [&] { return aino->Sai(RIVEJA + 2); }));
    const Tapahtumat& saadut = aino->kuulija.tapahtumat;
    EXPECT_EQ(saadut.front(), "Yhdistetty");
    for (int i = 0; i < RIVEJA; ++i)
        ASSERT_EQ(saadut[i + 1], "Rivi " + std::to_string(i) + std::string(200, 'x'));
    EXPECT_EQ(saadut.back(), "Katkesi Virheellinen");
    EXPECT_EQ(saadut.size(), RIVEJA + 2u);
    EXPECT_EQ(aino->kasvo.Valvotut().size(), 1u);
}

TEST(Verkkoyhteys, ASearchFindsTheWaitingPlayerByName) {
    const auto aino = Isanta("Aino Ääninen");
    ASSERT_NE(aino, nullptr);
    Ohjelma ville;
    ville.verkko.Hae();
    ASSERT_TRUE(OdotaVerkkoa({&aino->kasvo, &ville.kasvo}, [&] { return ville.Sai(1); }));
    EXPECT_EQ(ville.kuulija.tapahtumat, Tapahtumat{"Löytyi Aino Ääninen 127.0.0.1"});
}

TEST(Verkkoyhteys, AnAnswerNamesAPlayerInPlainPrintableText) {
    EXPECT_EQ(VastauksenNimi(Hakuvastaus("Ville")), "Ville");
    EXPECT_EQ(VastauksenNimi("MORVAK PELI 1 Ääni"), "Ääni");
    for (const std::string huono :
         {"MORVAK PELI 1 ", "MORVAK PELI 2 Ville", "MORVAK HAE 1", "MORVAK PELI 1 Vil\tle",
          "MORVAK PELI 1 Vil\x7Fle", "MORVAK PELI 1 Vil\xC2\x85le", "MORVAK PELI 1 Vil\xC3le",
          "MORVAK PELI 1 Vil\u202Ele", "MORVAK PELI 1 Ville ", "MORVAK PELI 1 Seitsemäntoista-mk"})
        EXPECT_EQ(VastauksenNimi(huono), std::nullopt) << huono;
}

}  // namespace
