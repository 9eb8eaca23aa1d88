#pragma once

#include <array>
#include <optional>
#include <vector>

#include "rules/Kuva.h"
#include "rules/Puoli.h"

class Nakyma;

// What one square shows: its picture, the pointing hand of a square that can
// be clicked, whether the mouse and the keys reach it, and while it sinks
// the share of its height under water.
struct Ruutunakyma {
    Kuva kuva = Kuva::Vesi;
    bool sormi = false;
    bool kaytossa = true;
    std::optional<double> vedenpinta;
    bool operator==(const Ruutunakyma&) const = default;
};

// A square whose look differs from what the face was last handed.
struct Ruutumuutos {
    Puoli ruudukko;
    int ruutu;
    Ruutunakyma nakyma;
    bool operator==(const Ruutumuutos&) const = default;
};

// The one record of what both grids show. The rules write it as the game
// moves on; a face paints from it and is handed what changed, so that no
// face keeps squares of its own. While an event is handled the changes
// gather and go to the face once it is over, each square once with its
// final look; outside an event (the rules driven directly) each goes at once.
class Ruutunakymat {
  public:
    explicit Ruutunakymat(Nakyma& nakyma) : n(nakyma) {}

    const Ruutunakyma& operator()(Puoli ruudukko, int ruutu) const {
        return ruudut_[Indeksi(ruudukko)][static_cast<std::size_t>(ruutu)];
    }

    void NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva);
    void AsetaSormiosoitin(Puoli ruudukko, int ruutu, bool sormi);
    void AsetaRuutuKaytossa(Puoli ruudukko, int ruutu, bool kaytossa);
    void NaytaVedenpinta(Puoli ruudukko, int ruutu, std::optional<double> pinta);

    // An event is being handled: changes wait for Nayta.
    void Kerataan() { kerataan_ = true; }
    // Hands the face every square that differs from what it was last
    // handed, in the order the squares first changed, and ends the gathering.
    void Nayta();

  private:
    using Ruudukot = std::array<std::array<Ruutunakyma, 101>, 2>;
    static std::size_t Indeksi(Puoli ruudukko) { return static_cast<std::size_t>(ruudukko); }
    Ruutunakyma& Muutettava(Puoli ruudukko, int ruutu);
    void Kirjoitettu();

    Nakyma& n;
    Ruudukot ruudut_{};
    // What the face was last handed; a face starts every square on water
    // and enabled.
    Ruudukot naytetty_{};
    // The squares written since the face was last handed anything, in the
    // order they were first written.
    std::vector<std::pair<Puoli, int>> muuttuneet_;
    std::array<std::array<bool, 101>, 2> listattu_{};
    bool kerataan_ = false;
};
