#pragma once

#include <functional>
#include <map>
#include <string>

#include "rules/Asettelu.h"

class Valintaikkunamalli;

// The letter width, in per cent of the font's own, at which a line fits
// `leveys`: the font's own when it fits, else narrower in steps of two, to
// half at the most. `tarve` measures the line at a letter width.
int Kavennus(const std::function<int(int venytys)>& tarve, int leveys);

// How a face measures text in the font it has, in twips. The tables give
// every text the room an 8-point font of Arial's proportions needs; other
// fonts are wider or narrower.
class Mittari {
  public:
    virtual ~Mittari() = default;
    // The width the control takes for the text at the letter width given in
    // per cent: the text and whatever the control draws beside it.
    virtual int Leveys(const Saadin& saadin, const std::string& teksti, int venytys) const = 0;
    // The height a label of several lines takes for the text at `leveys`.
    virtual int Korkeus(const Saadin& saadin, const std::string& teksti, int leveys) const = 0;
};

// A control's place within its container, and its letter width in per cent.
struct Sovitettu {
    Alue alue;
    int venytys = 100;
    bool operator==(const Sovitettu&) const = default;
};

// A dialog laid out for the texts its model shows as it opens, in the font
// at hand, so that no text is cut.
struct Sovitus {
    int leveys = 0;
    int korkeus = 0;
    std::map<std::string, Sovitettu> saatimet;

    const Sovitettu& operator[](const std::string& saadin) const { return saatimet.at(saadin); }
    // The control's place within the window, its frame's place added.
    Alue Ikkunassa(const Asettelu& asettelu, const std::string& saadin) const;
};

// The table's places as they stand, the fonts' own letter widths: for a
// window whose texts the table has room for.
Sovitus Sellaisenaan(const Asettelu& asettelu);
// The main window's places: the table's, with the bottom band moved below
// the band of the fleets while that shows.
Sovitus frmMorvakSijoittelu(bool laivastot);

// A line of text that does not fit its control first takes more room: to
// its container's edge on the side away from its alignment. What still does
// not fit, a button's caption included, is set in narrower letters. A label
// of several lines takes the height its text needs; what lies below it in
// the same container moves down as much, and a dialog grows with it.
Sovitus Sovita(const Valintaikkunamalli& malli, const Mittari& mittari);
