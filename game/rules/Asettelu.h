#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/Nakyma.h"

// Positions and sizes in twips: 15 to a pixel at 96 dots per inch, 12 at 120.
struct Alue {
    int vasen = 0;
    int yla = 0;
    int leveys = 0;
    int korkeus = 0;
    bool operator==(const Alue&) const = default;
};

// The kinds of controls the windows are made of.
enum class Laji {
    Kehys,         // a frame with a caption around other controls
    Viiva,         // a frame without a caption, drawn as a thin rule
    Nimio,         // a label
    Linkki,        // a label that opens something: underlined, dark grey, a pointing hand
    Painike,       // a push button
    Valintaruutu,  // a check box
    Valintanappi,  // an option button; those of one container form a group
    Tekstikentta,  // a one-line text box
    Kuvake,        // the program's icon
    // A picture the rules draw at the control's size, named for assistive
    // technology by its text; the keyboard stops at it so it can be heard.
    Kuva,
};

namespace tyyli {
inline constexpr unsigned OLETUS = 1;        // the button Enter presses
inline constexpr unsigned PERUUTUS = 2;      // the button Esc presses
inline constexpr unsigned OIKEALLE = 4;      // text aligned right
inline constexpr unsigned LIHAVA = 8;        // bold text
inline constexpr unsigned MONIRIVINEN = 16;  // text wraps over several lines
// A label whose access key takes the keyboard to the control after it in
// the table.
inline constexpr unsigned AVAIN = 32;
}  // namespace tyyli

struct Saadin {
    std::string nimi;
    Laji laji;
    std::string teksti;       // the caption, or the text shown before the model fills it
    Alue alue;                // within its container
    std::string isanta = {};  // the containing frame; empty for the window itself
    unsigned tyyli = 0;
};

// A window: its caption, its client area and its controls in creation order.
struct Asettelu {
    std::string nimi;
    std::string otsikko;
    int leveys = 0;
    int korkeus = 0;
    std::vector<Saadin> saatimet;
    // The controls that Tab visits, in order; the first has the keyboard
    // when the window opens.
    std::vector<std::string> sarkainjarjestys;

    const Saadin& operator[](const std::string& saadin) const;
};

// The order in which a face whose Tab follows the order of making makes the
// controls: those of the tab order first, each after its frame and after the
// label whose access key leads to it, then the rest in the table's order.
std::vector<const Saadin*> Luontijarjestys(const Asettelu& asettelu);
// Whether a control made after `edellinen` starts a group of its own: the
// option buttons of one frame made in a row form one group, which the arrow
// keys move in and Tab enters once.
bool AloittaaRyhman(const Saadin* edellinen, const Saadin& saadin);
// The button that shows as the one Enter presses: the button that has the
// keyboard, else the table's default button; empty for none.
std::string Oletuspainike(const Asettelu& asettelu, const std::string& kohdistettu);

const Asettelu& frmMorvakAsettelu();
// The main window's picture of the side's fleet in the band under the grids.
std::string LaivastonKuva(Puoli puoli);
const Asettelu& frmAsetuksetAsettelu();
const Asettelu& frmKysyNimiAsettelu();
const Asettelu& frmParhaatTuloksetAsettelu();
const Asettelu& frmTilastotAsettelu();
const Asettelu& frmTietojaAsettelu();
const Asettelu& frmVerkkopeliAsettelu();

// The main window's height with and without the bottom band of the
// instruction frame and the buttons; its frame, caption and menu bar take
// IKKUNAN_KEHYKSET of it.
inline constexpr int KORKEUS_PAINIKKEIN = 5745;
inline constexpr int KORKEUS_ILMAN_PAINIKKEITA = 4665;
inline constexpr int IKKUNAN_KEHYKSET = 645;
// The band of both fleets under the grids, while it shows, moves the bottom
// band down and makes the window taller by its height.
inline constexpr int LAIVASTOKAISTA = 360;

// A grid square's place in the main window. Squares are 375 wide but 360
// apart, so neighbours share their border line.
inline constexpr int RUUDUN_SIVU = 375;
Alue Ruudunpaikka(Puoli ruudukko, int ruutu);

struct Ruutupaikka {
    Puoli ruudukko;
    int ruutu;
    bool operator==(const Ruutupaikka&) const = default;
};
// The square under a point of the main window's client area, in twips.
std::optional<Ruutupaikka> RuutuKohdassa(int x, int y);
