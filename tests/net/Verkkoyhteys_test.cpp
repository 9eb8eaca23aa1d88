// Two transports over real sockets on the loopback, each with a face of its
// own that polls what the transport asks it to watch.

#include "net/Verkkoyhteys.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
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
    explicit Ohjelma(Ratkaisija ratkaisija)
        : verkko{kasvo, kuulija.Kohde(), std::move(ratkaisija)} {
        kasvo.Kohde(verkko);
    }
    bool Sai(std::size_t maara) const { return kuulija.tapahtumat.size() >= maara; }
};

// A name server that knows every name as the loopback but answers only once
// the test lets it. Its state outlives the transport, as a lookup's thread may.
class Nimipalvelin {
  public:
    Ratkaisija Palvelu() {
        return [tila = tila_](const std::string& nimi, std::uint16_t portti) {
            std::unique_lock lukko(tila->lukko);
            // Bounded so that a lookup on the test's own thread fails the
            // test instead of hanging it.
            tila->muuttui.wait_for(lukko, std::chrono::seconds(10), [&] { return tila->vapaa; });
            tila->vastatut.push_back(nimi);
            tila->muuttui.notify_all();
            return RatkaiseNumero("127.0.0.1", portti);
        };
    }
    void Vapauta() {
        const std::lock_guard lukko(tila_->lukko);
        tila_->vapaa = true;
        tila_->muuttui.notify_all();
    }
    // The names answered, once there are `maara` of them.
    Tapahtumat Vastatut(std::size_t maara) {
        std::unique_lock lukko(tila_->lukko);
        tila_->muuttui.wait_for(lukko, std::chrono::seconds(10),
                                [&] { return tila_->vastatut.size() >= maara; });
        return tila_->vastatut;
    }

  private:
    struct Tila {
        std::mutex lukko;
        std::condition_variable muuttui;
        bool vapaa = false;
        std::vector<std::string> vastatut;
    };
    std::shared_ptr<Tila> tila_ = std::make_shared<Tila>();
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

TEST(Verkkoyhteys, ANameIsLookedUpWhileTheFaceGoesOnThenConnects) {
    const auto aino = Isanta("Aino");
    ASSERT_NE(aino, nullptr);
    Nimipalvelin palvelin;
    Ohjelma ville(palvelin.Palvelu());
    ville.verkko.Yhdista("nimi");
    EXPECT_EQ(palvelin.Vastatut(0), Tapahtumat{});
    EXPECT_TRUE(ville.kuulija.tapahtumat.empty());
    EXPECT_EQ(ville.verkko.SeuraavaYhteys(), 2);
    palvelin.Vapauta();
    ASSERT_TRUE(
        OdotaVerkkoa({&aino->kasvo, &ville.kasvo}, [&] { return aino->Sai(1) && ville.Sai(1); }));
    EXPECT_EQ(palvelin.Vastatut(1), Tapahtumat{"nimi"});
    EXPECT_EQ(ville.kuulija.tapahtumat, Tapahtumat{"Yhdistetty"});
    EXPECT_EQ(aino->kuulija.tapahtumat, Tapahtumat{"Yhdistetty"});
    EXPECT_EQ(ville.kasvo.Valvotut().size(), 1u);
}

// The face may already hold a readiness of the lookup's socket when the
// rules close (a posted message under Windows); it comes to nothing.
TEST(Verkkoyhteys, ALookupClosedBeforeItsAnswerLeavesNothingBehind) {
    Nimipalvelin palvelin;
    Ohjelma ville(palvelin.Palvelu());
    ville.verkko.Yhdista("nimi");
    ASSERT_EQ(ville.kasvo.Valvotut().size(), 1u);
    const std::intptr_t herattaja = ville.kasvo.Valvotut().begin()->first;
    ville.verkko.Sulje();
    EXPECT_TRUE(ville.kasvo.Valvotut().empty());
    palvelin.Vapauta();
    ASSERT_EQ(palvelin.Vastatut(1), Tapahtumat{"nimi"});
    ville.verkko.SokettiValmis(herattaja);
    EXPECT_TRUE(ville.kuulija.tapahtumat.empty());
    EXPECT_TRUE(ville.kasvo.Valvotut().empty());
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
