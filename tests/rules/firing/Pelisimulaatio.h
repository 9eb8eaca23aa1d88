#pragma once

#include <cstdint>
#include <functional>
#include <random>

#include "rules/Peli.h"
#include "rules/Satunnaisluvut.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

// How the scripted player picks its shots among the squares it may click.
enum class Pelaajatyyppi {
    Satunnainen,  // any square at random: wins some games, loses others
    Haviava,      // water first, so the computer always gets to finish
    Voittava,     // ships first, so the game ends before the computer can
};

// The moments a watcher is shown: right after the player's shot, and right
// after the computer's reply.
enum class Hetki { PelaajaAmpui, KoneAmpui };

struct Pelitulos {
    bool paattyi = false;  // someone reached twenty hits
    bool pelaajaVoitti = false;
    int pelaajanLaukaukset = 0;
    int koneenLaukaukset = 0;
    bool koneAloitti = false;  // the computer shot before the player's first shot
};

// One whole game played through the rules alone. A new game lays the
// computer's fleet; the player's fleet is drawn by the very same placement
// rules and laid through the player's own clicks; then the scripted player
// and the computer take turns until one side has sunk the other. Games
// played one after another on one simulation form one run of the program;
// the settings are those `t` holds when a game starts.
class Pelisimulaatio {
  public:
    Pelisimulaatio(std::uint64_t siemen, bool kulmatSaavatKoskettaa, Pelaajatyyppi tyyppi);

    using Tarkkailija = std::function<void(Hetki)>;
    Pelitulos Pelaa(const Tarkkailija& tarkkailija = {});
    // How the player shoots from the next game on.
    void Pelaajana(Pelaajatyyppi tyyppi) { tyyppi_ = tyyppi; }

    Pelitila t;
    NakymaTesti n;

  private:
    // False when the placement refused a ship of a fleet that the same rules
    // produced, which must never happen.
    bool LaskePelaajanLaivasto();
    // 0 when no square of the computer's grid can be clicked any more.
    int ValitseRuutu();
    // The pause and any sinking play to their end.
    void Odota();

    std::uint64_t kellonLukemat_ = 0;
    Satunnaisluvut arpa_;
    Peli peli_;
    Vastauskanava vastauskanava_{n, peli_};
    Pelaajatyyppi tyyppi_;
    Tarkkailija tarkkailija_;
    std::mt19937_64 pelaajanArpa_;
};
