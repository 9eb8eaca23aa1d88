#pragma once

#include <windows.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "net/Verkkoyhteys.h"
#include "rules/Asettelu.h"
#include "rules/Laatikot.h"
#include "rules/Nakyma.h"
#include "rules/Pelitila.h"
#include "rules/Satunnaisluvut.h"
#include "rules/window/frmMorvakMalli.h"
#include "sound/Resurssiaanet.h"
#include "win32/Kirjasimet.h"
#include "win32/Kuulutus.h"
#include "win32/RuudukonSaavutettavuus.h"
#include "win32/Soketinvalvonta.h"
#include "win32/Valintaikkuna.h"
#include "win32/Viestit.h"

// The main window: both grids, the instruction frame, the two buttons and the
// menus, built from the rules' tables. It owns the one game state, passes
// every event to the rules and shows what they decide. Creating it runs the
// window's load, first new game included. Nothing ticks while nothing happens:
// its one timer runs only while the rules ask for it.
class frmMorvak : public Nakyma {
  public:
    frmMorvak(HINSTANCE ohjelma, Satunnaisluvut arpa, std::chrono::milliseconds tauonPituus);
    ~frmMorvak() override;
    frmMorvak(const frmMorvak&) = delete;
    frmMorvak& operator=(const frmMorvak&) = delete;

    HWND Kahva() const { return hwnd_; }
    // Whatever the window's keys stand for, before the message is dispatched:
    // the menus' shortcut keys, Tab between the controls, Enter. True when taken.
    bool EsiKasittele(MSG& viesti);
    // Runs the message loop until the program ends; its exit code.
    int Aja();

    void NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) override;
    void AsetaIkkunaKaytossa(bool kaytossa) override;
    void NaytaTilanne(const Tilannemuutos& muutos) override;
    void AsetaKorkeus(int twipit) override;
    void AsetaOsoitin(Osoitin osoitin) override;
    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) override;
    void Kysy(const std::string& otsikko, const std::string& teksti) override;
    void AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) override;
    std::string OhjelmanKansio() const override;
    void NaytaDialogi(Valintaikkunamalli& malli) override;
    void SoitaAani(Aani aani) override;
    void PyydaAjastin(std::optional<std::chrono::milliseconds> kesto) override;
    std::chrono::milliseconds Nyt() const override;
    void Lopeta() override;

  private:
    // A fixed single border: a minimise box but no maximise box, no resizing.
    static constexpr DWORD TYYLI = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

    // A grid as a window of its own: one stop of the keyboard, and a table to
    // assistive technology. The mouse passes through it to the main window.
    class Ruudukkoikkuna final : public Ruudukkotiedot {
      public:
        Ruudukkoikkuna(frmMorvak& omistaja, Puoli oma) : ikkuna(omistaja), puoli(oma) {}
        std::wstring Nimi() const override;
        std::wstring RuudunNimi(int ruutu) const override;
        bool RuutuKaytossa(int ruutu) const override;
        int Kohdistusruutu() const override;
        RECT RuudunAlue(int ruutu) const override;

        frmMorvak& ikkuna;
        Puoli puoli;
        HWND hwnd = nullptr;
    };

    static LRESULT CALLBACK Ikkunaproseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l);
    LRESULT Kasittele(UINT viesti, WPARAM w, LPARAM l);
    void LaatikkoSuljettu(bool kylla);
    LRESULT IstuntoPaattyy();
    void Jonoon(std::function<bool()> laatikko);

    // frmMorvakIkkuna.cpp: the window, its controls and their places.
    void LuoSaatimet();
    void Sijoita();
    void MuutaKoko();
    void NaytaOletuspainike();
    void NaytaOhje(const std::string& ohje);
    // The band of the fleets come or gone, the bottom band below it, and
    // each side's overview where it changed.
    void NaytaLaivastot(const Tilannemuutos& muutos);
    void VaihdaTiheys(UINT dpi, const RECT& ehdotus);
    RECT RuudunAlue(Puoli puoli, int ruutu) const;
    std::optional<Ruutupaikka> RuutuKohdassa(POINT kohta) const;
    HWND Aktiivinen() const;

    // frmMorvakRuudukot.cpp: the grids' windows, their pictures and keys.
    void LuoRuudukot();
    static LRESULT CALLBACK Ruudukkoproseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l);
    LRESULT KasitteleRuudukko(Ruudukkoikkuna& ruudukko, UINT viesti, WPARAM w, LPARAM l);
    void PiirraRuudukko(const Ruudukkoikkuna& ruudukko);
    void PaivitaRuutu(Puoli puoli, int ruutu);
    void Nappain(const Ruudukkoikkuna& ruudukko, WPARAM nappain, LPARAM tiedot);
    void NaytaNappaimisto(const Tilannemuutos& muutos);
    void KerroKohdistus(const Ruudukkoikkuna& ruudukko);
    void KerroNimet(Ruudukkoikkuna& ruudukko);
    void Aktivoitu(WPARAM w);
    Ruudukkoikkuna& Ruudukko(Puoli puoli) { return ruudukot_[static_cast<std::size_t>(puoli)]; }

    // frmMorvakHiiri.cpp: the grids' mouse and pointer.
    void HiiriAlas(POINT kohta, int painike, WPARAM napit);
    void HiiriYlos(POINT kohta, int painike, WPARAM napit);
    bool AsetaKursori();

    // frmMorvakValikot.cpp: the menus from the command table.
    void LuoValikot();
    void SuoritaKomento(WORD tunnus);

    const Ruutunakyma& Ruudun(Puoli puoli, int ruutu) const {
        return malli_.Ruudut()(puoli, ruutu);
    }

    HINSTANCE ohjelma_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    std::unique_ptr<Kirjasimet> kirjasimet_;

    Resurssiaanet aanet_;
    Pelitila tila_;
    Satunnaisluvut arpa_;
    frmMorvakMalli malli_;
    // The transport goes first: it speaks to the model and asks the watch.
    Soketinvalvonta valvonta_{viesti::SOKETTI};
    Verkkoyhteys verkko_{valvonta_, [this](const Tapahtuma& t) { malli_.Tapahtuu(t); }};

    std::array<Ruudukkoikkuna, 2> ruudukot_{Ruudukkoikkuna{*this, Puoli::Pelaaja},
                                            Ruudukkoikkuna{*this, Puoli::Kone}};
    // The control that takes the keyboard when the window is next activated.
    HWND kohdistettava_ = nullptr;
    // The instruction frame and line, the buttons and the line above the grids.
    Saatimet alalaita_{frmMorvakAsettelu(), viesti::PAINIKE_ENSIMMAINEN};
    std::array<HWND, 2> cmdPainike_{};
    Kuulutus kuulutus_;
    HMENU valikko_ = nullptr;
    HACCEL pikanappaimet_ = nullptr;

    int korkeus_ = 0;  // outer height in twips
    // Boxes and dialogs asked for, shown in turn from the message loop.
    Laatikkojono laatikot_{[this](bool kylla) { LaatikkoSuljettu(kylla); }};
    // The end of the session waits for an answer the player is giving.
    bool istunnonLoppuEstetty_ = false;
};
