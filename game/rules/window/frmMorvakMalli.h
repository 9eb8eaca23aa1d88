#pragma once

#include "rules/Peli.h"
#include "rules/access/NakyvatRuudut.h"
#include "rules/access/Nappaimisto.h"
#include "rules/window/Komennot.h"

// How the window system asks the main window to close, numbered as the
// unload modes of its forms.
enum class Sulkutapa {
    Sulkuruutu = 0,         // the close box, the system menu, Alt+F4
    Koodi = 1,              // the program itself
    Istunnonloppu = 2,      // the desktop session is ending
    Tehtavienhallinta = 3,  // the task manager
};

// The main window's procedures beyond the game's rules: its load, its
// commands and view options, the dialogs it opens and its closing. A face
// passes every event of the window here and shows what the rules decide.
class frmMorvakMalli {
  public:
    frmMorvakMalli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& arpa);

    Peli& Saannot() { return peli_; }

    // The window's load, before it is shown: the view options, the window's
    // height, a word on an unusual screen density, the first game.
    void Form_Load(int pisteitaTuumalla);

    void Suorita(Komento komento);
    void imgPelaaja_MouseUp(int ruutu, int painike);
    void imgKone_Click(int ruutu);
    // A key on the grid that has the keyboard: a move of its focus square,
    // or a button on it.
    void Ruudukko_KeyDown(Puoli ruudukko, Ruutunappain nappain);
    const Kohdistus& Nappaimisto() const { return t.Nappaimisto; }
    // What the square tells assistive technology as the screen shows it now.
    std::string RuudunNimi(Puoli ruudukko, int ruutu) const;
    // True when the window may close. On a Yes to the question the streak
    // is settled and the program ends through the face's Lopeta.
    bool Form_QueryUnload(Sulkutapa tapa);

    // The window's outer height for the state of the band's view option.
    static int Korkeus(bool painikkeet);

  private:
    void mUusiPeli_Click();
    void mLopeta_Click();
    void cmdPainike_Click(int Index);
    void mNaytaPainikkeet_Click();
    void mNaytaMahdottomatLaivaruudut_Click();
    void mNaytaParhaatTulokset_Click();
    void mNaytaAsetukset_Click();
    void mTietojaOhjelmasta_Click();
    void Lopeta();
    template <class Malli, class... Tila>
    void NaytaDialogi(void (Nakyma::*nayta)(Malli&), Tila&... tila);
    // Whether this event came while another was still being handled: inside
    // a message box, a dialog, the pause or the new game's pass of events.
    bool Sisakkainen() const { return kasittelyssa_ > 1; }

    Pelitila& t;
    Nakyma& n;
    // The rules draw through it, so the window's model knows every square.
    NakyvatRuudut nakyvat_;
    Peli peli_;
    int kasittelyssa_ = 0;  // events of the window being handled, nested ones included
};
