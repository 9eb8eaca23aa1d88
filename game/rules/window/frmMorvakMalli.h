#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rules/Peli.h"
#include "rules/Tekstinsovitus.h"
#include "rules/network/Verkko.h"
#include "rules/network/Verkkopeli.h"
#include "rules/pictures/Pikselikuva.h"
#include "rules/window/Ruutuhiiri.h"
#include "rules/window/Tapahtuma.h"

// The main window's procedures beyond the game's rules: its load, its
// commands and view options, the dialogs it opens and its closing. A face
// hands every event of the window to Tapahtuu and shows what the rules
// decide.
class frmMorvakMalli {
  public:
    // Without a network, the network game is out of reach.
    frmMorvakMalli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& arpa, Verkko* verkko = nullptr);

    Peli& Saannot() { return peli_; }

    // The window's load, before it is shown: the view options, the window's
    // height, a word on an unusual screen density, the first game.
    void Form_Load(int pisteitaTuumalla);

    // The one way in for every event. Nothing is handled inside another
    // event: one that arrives while another is being handled waits in line.
    // While a message box, a question or a dialog is open, the player answers
    // it first: its answer (Vastattu) is handled at once, and so are the
    // open network dialog's search and its finds; every other event waits in
    // line and is handled after the answer, in order. Dropped on purpose,
    // and only these: every event once the program has ended; a request to
    // quit that an open quit question already answers; a command out of
    // reach when its turn comes. Clicks and keys that the phase of the game
    // does not take (a shot in the computer's turn or while a ship sinks)
    // change nothing, as always. A ready socket is read at once, so that
    // what the network says waits in line here and not in the system.
    void Tapahtuu(const Tapahtuma& tapahtuma);
    // A box or a dialog is open, waiting for the player's answer.
    bool Vastaamassa() const { return peli_.LaatikkoAuki(); }
    // The program has ended: nothing more is handled.
    bool Loppunut() const { return loppunut_; }
    // The player has quit; the program ends once no save waits any more.
    bool Poistumassa() const { return poistumassa_; }

    const Kohdistus& Nappaimisto() const { return t.Nappaimisto; }
    // What each square shows; a face paints from it.
    const Ruutunakymat& Ruudut() const { return peli_.Ruudut(); }
    // What the square tells assistive technology as the screen shows it now.
    std::string RuudunNimi(Puoli ruudukko, int ruutu) const;
    // The grid's squares whose names changed since assistive technology last
    // heard them, to be told so. A name never told before is read when the
    // square is reached; while nobody listens, nothing is remembered.
    std::vector<int> MuuttuneetNimet(Puoli ruudukko, bool kuunnellaan);

    // The window's outer height for the state of the bands' view options.
    static int Korkeus(bool painikkeet, bool laivastot);
    // Where the window's controls lie as the state has the bands.
    Sovitus Sijoittelu() const;
    // The side's fleet as its band shows it, at the picture's size in pixels.
    piirros::Pikselikuva Laivastokuva(Puoli puoli, int leveys, int korkeus) const;

  private:
    void KasitteleJono();
    bool Pidetaan(const Tapahtuma& tapahtuma) const;
    void Ajastin();
    void LueSoketti(std::intptr_t kahva);
    bool Tulva(const Tapahtuma& tapahtuma) const;
    void Kasittele(const Tapahtuma& tapahtuma);
    bool LopetusVastaa(const Tapahtuma& tapahtuma) const;
    void Suorita(Komento komento);
    void Enter();
    void Ruudukko_KeyDown(Puoli ruudukko, Ruutunappain nappain);
    void HiiriYlos(const HiiriVapautettu& vapautus);
    void Form_QueryUnload(Sulkutapa tapa);
    void mLopeta_Click();
    void cmdPainike_Click(int Index);
    void mNaytaPainikkeet_Click();
    void mNaytaMahdottomatLaivaruudut_Click();
    void mAanet_Click();
    void mNaytaLaivastot_Click();
    void TallennaValinta(const std::string& nimi, bool arvo);
    void mNaytaParhaatTulokset_Click();
    void mNaytaAsetukset_Click();
    void mTietojaOhjelmasta_Click();
    // The quit question and, on Yes, the name entry and the end.
    void Lopetus();
    void Lopeta();
    void Poistuessa(const Tapahtuma& tapahtuma);
    void Poistu();
    // A new game against whichever opponent the player has now.
    void UusiPeli();
    template <class Malli, class... Tila>
    void NaytaDialogi(std::function<void()> sitten, Tila&... tila);

    Pelitila& t;
    Nakyma& n;
    Verkko* verkko_;
    Peli peli_;
    std::optional<Verkkopeli> verkkopeli_;
    Ruutuhiiri hiiri_;
    std::deque<Tapahtuma> jono_;
    bool kasittelyssa_ = false;
    // The quit question is open, or the name entry on the way out.
    bool lopetetaan_ = false;
    bool poistumassa_ = false;
    bool loppunut_ = false;
    std::array<std::array<std::string, 101>, 2> kerrotut_;
};
