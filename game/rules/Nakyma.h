#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "rules/Aani.h"
#include "rules/Komento.h"
#include "rules/Kuva.h"
#include "rules/Pelitila.h"
#include "rules/Ruutunakymat.h"
#include "rules/firing/Uppoamiskayra.h"

// The screen-wide mouse pointer.
enum class Osoitin { Oletus, Tiimalasi };

enum class Kuvake { Ei, Tieto, Kysymys, Huutomerkki };

// How the opened program's window is asked to show itself, numbered as the
// Windows shell numbers its show commands.
enum class Nayttokomento { Piilotettu = 0, Normaali = 1 };

// What the shell is asked to open: a file of this computer or an address.
struct Kuorikohde {
    std::string polku;
    bool tiedosto = false;
    bool operator==(const Kuorikohde&) const = default;
};

// What the main window shows of the state besides the grids: the instruction
// line, whether the new-game commands can be used, and the check marks of
// the view options. A pure function of the game state.
struct Tilanne {
    std::string ohje;
    bool UusiPeliKaytossa = true;
    bool NaytaPainikkeet = false;
    bool NaytaMahdottomatLaivaruudut = false;
    bool Aanet = false;
    // The player lays ships: the random fleet can be asked for.
    bool PelaajaSijoittaa = false;
    // The main window's caption: the program's name, and in a network game
    // the match's score.
    std::string otsikko = "Morvak";
    // The band of both fleets under the grids, and while it shows, what
    // each side has left afloat (indexed by Puoli).
    bool NaytaLaivastot = false;
    std::array<std::string, 2> katsaus;
    bool operator==(const Tilanne&) const = default;
};

// A command of the menus or the buttons as the screen shows it.
struct Komentotila {
    Komento komento;
    bool kaytossa;
    std::optional<bool> valittu;  // the check mark of a command that carries one
    bool operator==(const Komentotila&) const = default;
};

// What of the state the screen is to show anew: the caption and the
// instruction line where they changed, each command whose enabled state or
// check mark did, each grid's focus square where it moved (indexed by
// Puoli), and the grid the keyboard is handed to, when it is. The fleet band
// where it came or went, and each side's overview where it changed: its
// picture is drawn again and its name is the text. What assistive
// technology is to say once, as one utterance: the latest shot's result or
// a refused ship, then the instruction line where it changed.
struct Tilannemuutos {
    std::optional<std::string> otsikko;
    std::optional<std::string> ohje;
    std::optional<std::string> kuulutus;
    std::optional<bool> laivastot;
    std::array<std::optional<std::string>, 2> katsaus;
    std::vector<Komentotila> komennot;
    std::array<std::optional<int>, 2> kohdistus;
    std::optional<Puoli> nappaimisto;
};

// What every window's model asks of the screen besides its own controls.
class Palvelut {
  public:
    virtual ~Palvelut() = default;

    virtual void AsetaOsoitin(Osoitin osoitin) = 0;
    // A message box with one OK button, modal over the window that is
    // active. Returns at once; its closing comes back as Vastattu.
    virtual void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) = 0;
    // A Yes/No question with a question icon and No as the default button.
    // Returns at once; the answer comes back as Vastattu, true for Yes.
    virtual void Kysy(const std::string& otsikko, const std::string& teksti) = 0;
    // Hands the target to whatever the desktop associates with it and returns
    // at once; a target that does not open is let go without a word.
    virtual void AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) = 0;
    // The folder of the running program, UTF-8.
    virtual std::string OhjelmanKansio() const = 0;
    // A clock that only moves forward, for the deadlines the rules keep.
    virtual std::chrono::milliseconds Nyt() const = 0;
};

class Valintaikkunamalli;

// Everything the rules ask of the main window. The rules decide; a face only
// realises the decision on screen. The services are a virtual base so that a
// face can take them from the same object its dialogs use.
class Nakyma : public virtual Palvelut {
  public:
    // The squares whose look changed since the last handing, each with its
    // whole look; the face shows them, and paints every square from the
    // rules' record (frmMorvakMalli::Ruudut) whenever it must.
    virtual void NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) = 0;
    virtual void AsetaIkkunaKaytossa(bool kaytossa) = 0;
    // What changed of the state since the last handing, once the events
    // that came in have been handled, and as a box, a dialog or the pause
    // begins and ends; the face also tells assistive technology of the
    // squares whose names changed.
    virtual void NaytaTilanne(const Tilannemuutos& muutos) = 0;
    // The window's outer height in twips, frame, caption and menu bar included.
    virtual void AsetaKorkeus(int twipit) = 0;

    // Any dialog, shown modally over its model. Returns at once; once the
    // model has unloaded the dialog closes and that comes back as
    // Vastattu. The model lives until then, and no longer.
    virtual void NaytaDialogi(Valintaikkunamalli& malli) = 0;

    // Starts the sound and returns at once; a sound still playing stops.
    // The rules ask only while the player has sounds on. A sound that cannot
    // play is silence, never a word or a wait.
    virtual void SoitaAani(Aani aani) = 0;

    // The rules' one timer: once `kesto` has passed, the face hands the rules
    // the timer's expiry through their entry point, once. A new request
    // replaces the one still running; none stops it, and nothing wakes.
    virtual void PyydaAjastin(std::optional<std::chrono::milliseconds> kesto) = 0;
    // Ends the program: every window goes, no event of the game runs after.
    virtual void Lopeta() = 0;
};
