// The Win32 face's generic dialog under Wine, over a model that changes on
// its own: every control shown again at once, and the dialog closed once the
// model has unloaded itself.

#include "win32/Valintaikkuna.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Muuttuvamalli.h"
#include "win32/Leveat.h"

namespace {

// Nothing of the screen is asked of it here.
class Hiljaiset : public Palvelut {
  public:
    void AsetaOsoitin(Osoitin) override {}
    void Ilmoita(const std::string&, const std::string&, Kuvake) override {}
    bool Kysy(const std::string&, const std::string&) override { return false; }
    void AvaaKuorella(const Kuorikohde&, Nayttokomento) override {}
    std::string OhjelmanKansio() const override { return {}; }
};

Muuttuvamalli* muutettava = nullptr;
std::string naytetty;

// Runs inside the dialog's own loop, once the dialog is up.
void CALLBACK Muuta(HWND, UINT, UINT_PTR ajastin, DWORD) {
    KillTimer(nullptr, ajastin);
    muutettava->Muuta("Löytyi: Ville");
    HWND ikkuna = FindWindowW(nullptr, L"Muuttuva");
    HWND nimio = FindWindowExW(ikkuna, nullptr, L"STATIC", nullptr);
    std::wstring teksti(64, L'\0');
    teksti.resize(static_cast<std::size_t>(GetWindowTextW(nimio, teksti.data(), 64)));
    naytetty = Utf8(teksti);
    muutettava->Poistu();
    // One that stays open is closed, so that a failing test ends.
    PostMessageW(ikkuna, WM_CLOSE, 0, 0);
}

TEST(Valintaikkuna, AModelChangedOnItsOwnIsShownAgainAndItsUnloadCloses) {
    Hiljaiset palvelut;
    Muuttuvamalli malli(palvelut);
    muutettava = &malli;
    SetTimer(nullptr, 0, 0, Muuta);
    Valintaikkuna(malli).Nayta(nullptr);
    EXPECT_EQ(naytetty, "Löytyi: Ville");
    EXPECT_FALSE(malli.Auki());
    // The dialog has gone: a change reaches nobody.
    malli.Muuta("Ei ketään");
}

}  // namespace
