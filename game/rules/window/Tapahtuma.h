#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "rules/Asettelu.h"
#include "rules/Pelitila.h"
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

// Everything that can happen to the main window, as a face hands it over.

// A menu command, a button, or a key that stands for one.
struct KomentoValittu {
    Komento komento;
};
// A mouse button pressed or let go over the main window: the square under
// the pointer, if any; the button, 1 left, 2 right, 4 middle; and whether
// other buttons are held besides it.
struct HiiriPainettu {
    std::optional<Ruutupaikka> kohdalla;
    int painike;
    bool muitaAlhaalla = false;
};
struct HiiriVapautettu {
    std::optional<Ruutupaikka> kohdalla;
    int painike;
    bool muitaAlhaalla = false;
};
// A key on the grid that has the keyboard.
struct RuudukonNappain {
    Puoli ruudukko;
    Ruutunappain nappain;
};
// Enter that no focused control took.
struct EnterPainettu {};
// The box or dialog on top has closed: OK, the question's Yes (true) or No,
// or a dialog unloaded by its model.
struct Vastattu {
    bool kylla = true;
};
// The one timer the rules asked for has run out.
struct AjastinLaukesi {};
struct SulkemisPyynto {
    Sulkutapa tapa;
};

// The network. The face saw a socket ready; the transport turns that into
// the rest.
struct SokettiValmis {
    std::intptr_t kahva;
};
// A connection to the opponent is made, accepted or connected. Every
// connection has a number of its own, which its events carry, so that what
// a connection let go of left behind is known for what it is.
struct VerkkoYhdistetty {
    int yhteys = 0;
};
// One line from the opponent, without its newline.
struct VerkkoRivi {
    std::string rivi;
    int yhteys = 0;
};
enum class Katkos {
    Suljettu,      // the other end closed it
    EiYhteytta,    // refused, unreachable, or no such name
    Virheellinen,  // the other end sent what is no line of the protocol
    Hiljaisuus,    // the other end stopped answering
};
struct VerkkoKatkesi {
    Katkos syy;
    int yhteys = 0;
};
// A game waiting on the network, found by a search.
struct PeliLoytyi {
    std::string nimi;
    std::string osoite;
};

using Tapahtuma =
    std::variant<KomentoValittu, HiiriPainettu, HiiriVapautettu, RuudukonNappain, EnterPainettu,
                 Vastattu, AjastinLaukesi, SulkemisPyynto, SokettiValmis, VerkkoYhdistetty,
                 VerkkoRivi, VerkkoKatkesi, PeliLoytyi>;
