#pragma once

// When the mouse on a link makes a click: the left button let go over the
// link it went down on. The second press of a double-click starts none, so
// a double-click opens its target once, as a single click does; two clicks
// open it twice.
class Napsautus {
  public:
    void Alas(bool vasen, bool tupla) {
        if (vasen) painettu_ = !tupla;
    }
    // True when this release is a click.
    bool Ylos(bool vasen, bool sisalla) {
        if (!vasen) return false;
        const bool napsautus = painettu_ && sisalla;
        painettu_ = false;
        return napsautus;
    }

  private:
    bool painettu_ = false;
};
