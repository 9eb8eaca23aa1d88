// The Win32 face's watch of the network's sockets under Wine: each readiness
// posted to a window as its message, one that was already there when the
// socket was named included.

// Winsock 2 before anything that brings the first one.
#include <winsock2.h>
// The rest after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/Verkkoyhteys.h"
#include "tests/support/Pollausvalvonta.h"
#include "tests/support/Vapaaportti.h"
#include "tests/support/Verkkotapahtumat.h"
#include "tests/win32/Ikkunasilmukka.h"
#include "win32/Soketinvalvonta.h"
#include "win32/Viestit.h"

namespace {

using Tapahtumat = std::vector<std::string>;

// A program whose sockets are watched through a window, as the game's are.
struct Ikkunaohjelma {
    Ikkunaohjelma() {
        ikkuna = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr);
        valvonta.Ikkuna(ikkuna);
    }
    ~Ikkunaohjelma() {
        verkko.Sulje();
        DestroyWindow(ikkuna);
    }
    // The window procedure's part: the socket of the message to the transport.
    bool Viestissa(const MSG& viesti) {
        if (viesti.hwnd != ikkuna || viesti.message != viesti::SOKETTI) return false;
        verkko.SokettiValmis(static_cast<std::intptr_t>(viesti.wParam));
        return true;
    }

    HWND ikkuna = nullptr;
    Verkkokuulija kuulija;
    Soketinvalvonta valvonta{viesti::SOKETTI};
    Verkkoyhteys verkko{valvonta, kuulija.Kohde()};
};

struct Pollausohjelma {
    Pollausvalvonta kasvo;
    Verkkokuulija kuulija;
    Verkkoyhteys verkko{kasvo, kuulija.Kohde()};
    Pollausohjelma() { kasvo.Kohde(verkko); }
};

TEST(Soketinvalvonta, ALineWaitingBeforeTheAcceptAndARefusalComeThroughTheWindow) {
    const auto aino = Kuuntelevana<Ikkunaohjelma>("Aino");
    ASSERT_NE(aino, nullptr);
    Pollausohjelma ville;
    ville.verkko.Yhdista("127.0.0.1");
    ASSERT_TRUE(OdotaVerkkoa({&ville.kasvo}, [&] { return !ville.kuulija.tapahtumat.empty(); }));
    ville.verkko.Laheta("HEI 1 Ville");

    Ikkunaohjelma bruno;
    bruno.verkko.Yhdista("127.0.0.1");
    const auto viestissa = [&](const MSG& viesti) {
        return aino->Viestissa(viesti) || bruno.Viestissa(viesti);
    };
    EXPECT_TRUE(KierraViesteja(
        [&] {
            return aino->kuulija.tapahtumat.size() >= 2 && bruno.kuulija.tapahtumat.size() >= 3;
        },
        viestissa));
    EXPECT_EQ(aino->kuulija.tapahtumat, (Tapahtumat{"Yhdistetty", "Rivi HEI 1 Ville"}));
    EXPECT_EQ(bruno.kuulija.tapahtumat,
              (Tapahtumat{"Yhdistetty", "Rivi VARATTU", "Katkesi Suljettu"}));
}

}  // namespace
