#include "platform/text/leveat.h"
#include "rules/Tekstit.h"
#include "win32/Kuoriavaus.h"
#include "win32/Osoitin.h"
#include "win32/Viestilaatikot.h"
#include "win32/Viestit.h"
#include "win32/frmMorvak.h"

// What the rules ask of the main window, realised on screen.

// The grids paint, point and take the mouse by the rules' record; a square
// that changed only needs painting again.
void frmMorvak::NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) {
    for (const Ruutumuutos& muutos : muutokset) PaivitaRuutu(muutos.ruudukko, muutos.ruutu);
}

void frmMorvak::AsetaIkkunaKaytossa(bool kaytossa) { EnableWindow(hwnd_, kaytossa); }

void frmMorvak::NaytaTilanne(const Tilannemuutos& muutos) {
    if (muutos.otsikko) SetWindowTextW(hwnd_, Leveaksi(*muutos.otsikko).c_str());
    if (muutos.ohje) NaytaOhje(*muutos.ohje);
    NaytaLaivastot(muutos);
    for (const auto& [komento, kaytossa, valittu] : muutos.komennot) {
        const auto tunnus =
            static_cast<UINT>(viesti::KOMENTO_ENSIMMAINEN + static_cast<int>(komento));
        EnableMenuItem(valikko_, tunnus, MF_BYCOMMAND | (kaytossa ? MF_ENABLED : MF_GRAYED));
        if (valittu)
            CheckMenuItem(valikko_, tunnus, MF_BYCOMMAND | (*valittu ? MF_CHECKED : MF_UNCHECKED));
        for (const int i : {0, 1}) {
            if (Painikekomento(i) == komento) EnableWindow(cmdPainike_[i], kaytossa);
        }
    }
    NaytaNappaimisto(muutos);
    // After the focus, so that a reader does not cut it short for the square.
    if (muutos.kuulutus) kuulutus_.Kuuluta(Leveaksi(*muutos.kuulutus));
}

void frmMorvak::AsetaKorkeus(int twipit) {
    korkeus_ = twipit;
    MuutaKoko();
}

void frmMorvak::AsetaOsoitin(Osoitin osoitin) { AsetaNaytonOsoitin(osoitin); }

void frmMorvak::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) {
    Jonoon([this, otsikko, teksti, kuvake] {
        NaytaLaatikko(Aktiivinen(), otsikko, teksti, Ilmoitus(kuvake));
        return true;
    });
}

void frmMorvak::Kysy(const std::string& otsikko, const std::string& teksti) {
    Jonoon([this, otsikko, teksti] {
        return NaytaLaatikko(Aktiivinen(), otsikko, teksti, Vahvistus());
    });
}

// The box runs its own modal loop once the rules' call has returned; its
// answer comes back as an event like any other.
void frmMorvak::Jonoon(std::function<bool()> laatikko) {
    laatikot_.Jonoon(std::move(laatikko));
    PostMessageW(hwnd_, viesti::LAATIKKO, 0, 0);
}

void frmMorvak::AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) {
    ::AvaaKuorella(Aktiivinen(), kohde, naytto);
}

std::string frmMorvak::OhjelmanKansio() const { return ::OhjelmanKansio(); }

void frmMorvak::SoitaAani(Aani aani) { aanet_.Soita(aani); }

void frmMorvak::PyydaAjastin(std::optional<std::chrono::milliseconds> kesto) {
    if (kesto) {
        SetTimer(hwnd_, viesti::AJASTIN, static_cast<UINT>(kesto->count()), nullptr);
    } else {
        KillTimer(hwnd_, viesti::AJASTIN);
    }
}

std::chrono::milliseconds frmMorvak::Nyt() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

// The end of the session may have waited for this answer.
void frmMorvak::LaatikkoSuljettu(bool kylla) {
    malli_.Tapahtuu(Vastattu{kylla});
    if (!istunnonLoppuEstetty_ || malli_.Vastaamassa()) return;
    ShutdownBlockReasonDestroy(hwnd_);
    istunnonLoppuEstetty_ = false;
}

// The end of the session asks as the close box does. While the player is
// answering a box or a dialog, it waits for that answer, and the shutdown
// screen says why.
LRESULT frmMorvak::IstuntoPaattyy() {
    const bool vastaamassa = malli_.Vastaamassa();
    malli_.Tapahtuu(SulkemisPyynto{Sulkutapa::Istunnonloppu});
    // Windows wants the answer before this message returns: a save still
    // waiting for another copy of the game is made here, on the rules' timer.
    if (!vastaamassa) laatikot_.NaytaOdottavat();
    MSG ajastin{};
    while (malli_.Poistumassa() && !malli_.Loppunut() &&
           GetMessageW(&ajastin, hwnd_, WM_TIMER, WM_TIMER) > 0)
        DispatchMessageW(&ajastin);
    if (malli_.Loppunut()) return TRUE;
    if (vastaamassa && !istunnonLoppuEstetty_)
        istunnonLoppuEstetty_ =
            ShutdownBlockReasonCreate(hwnd_, Leveaksi(teksti::ISTUNTO_ODOTTAA).c_str()) != FALSE;
    return FALSE;
}

void frmMorvak::Lopeta() {
    // Whatever the rules were waiting for ends with the program.
    KillTimer(hwnd_, viesti::AJASTIN);
    ShowWindow(hwnd_, SW_HIDE);
    PostQuitMessage(0);
}
