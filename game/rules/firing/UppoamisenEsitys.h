#pragma once

#include <optional>
#include <span>

#include "rules/Nakyma.h"
#include "rules/Pelitila.h"

class Peli;

// A sunk ship's surroundings come to light as misses: at once, or, when the
// settings animate sinking, once its squares have played the sinking.
class UppoamisenEsitys {
  public:
    UppoamisenEsitys(Peli& peli, Pelitila& tila, Nakyma& nakyma, Ruutunakymat& ruudut)
        : peli_(peli), t(tila), n(nakyma), r(ruudut) {}

    // The square's surroundings on the grid of the side whose turn it is.
    void UpotaRuutu(int Ruutu);
    void UpotaRuutu(Puoli puoli, int Ruutu);
    // A ship of the side has sunk: its surroundings are revealed now, or it
    // waits for a moment when no click can reach the grid to play its
    // sinking.
    void UpotaLaiva(Puoli puoli, std::span<const int> ruudut);
    // The waiting ship starts to sink, under the hourglass with the new-game
    // commands out of reach, with `jatko` to follow it. False when no ship
    // waits: what follows comes now.
    bool Aloita(Jatko jatko);
    // The sinking's next frame; once it has played to its end, the
    // surroundings are shown and what was to follow is returned.
    std::optional<Jatko> Jatka();
    // Takes a sinking off the screen unfinished, for a game laid anew.
    void Peru();

  private:
    void NaytaVedenpinta(const UppoavaLaiva& laiva, std::optional<double> pinta);

    Peli& peli_;
    Pelitila& t;
    Nakyma& n;
    Ruutunakymat& r;
};
