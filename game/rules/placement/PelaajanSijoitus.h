#pragma once

#include <array>

#include "rules/Pelitila.h"
#include "rules/Ruutunakymat.h"
#include "rules/Satunnaisluvut.h"

class Peli;

// The player lays the fleet: ship by ship with clicks on the left grid, or
// the ships not yet laid at random, by the same rules as a click.
class PelaajanSijoitus {
  public:
    PelaajanSijoitus(Peli& peli, Pelitila& tila, Ruutunakymat& ruudut,
                     Satunnaisluvut& satunnaisluvut)
        : peli_(peli), t(tila), r(ruudut), arpa(satunnaisluvut) {}

    // painike 1 is the left button; any other lays the ship vertically.
    void imgPelaaja_MouseUp(int ruutu, int painike);
    // Lays the ships the player has not laid, at random, click by click.
    void SijoitaLaivatSatunnaisesti();

  private:
    // What one click came to: nothing, a ship that does not fit there, a
    // ship laid, the fleet complete, or a ship laid after which the next
    // fits nowhere.
    enum class Sijoitustulos { Ohi, Estetty, Laskettu, Valmis, Umpikuja };
    // Lays the player's next ship by a click; what comes of it is the caller's.
    Sijoitustulos LaskePelaajanLaiva(int ruutu, int painike);
    // Lays the ship from the anchor square, or leaves no trace.
    bool SijoitaPelaajanLaiva(const Laiva& laiva, int ankkuri, int painike);
    // The next ship fits nowhere: the player is told, and the placement
    // starts again on a cleared grid.
    void AloitaPelaajanSijoitusAlusta();
    // One random try at the ships not yet laid; true when the fleet came out
    // complete, false when a ship found no room within its attempts or left
    // the next one none.
    bool SijoitaLoputSatunnaisesti();
    // Takes back every ship but those in fleet order marked here, with the
    // blocked squares around them.
    void JataPelaajanLaivat(const std::array<bool, 10>& jatettavat);

    Peli& peli_;
    Pelitila& t;
    Ruutunakymat& r;
    Satunnaisluvut& arpa;
};
