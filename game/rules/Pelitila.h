#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rules/Puoli.h"
#include "rules/Tallennusjono.h"
#include "rules/results/Tilastot.h"
#include "store/ParhaatTulokset.h"

// Square-state words. `tyhja` is element 0 of a grid, which is no square.
enum class Sana { tyhja, vesi, laiva, varattu, uponnut, ohi };

// Result of a side's latest shot: none yet, a hit ("kyllä") or a miss ("ei").
enum class Osui { tyhja, kylla, ei };

using Ruudukko = std::array<Sana, 101>;  // indexed by square 1..100

// Square records hold square numbers in laying order from element 1 on; -1 is
// a square not laid. Element 0 is unused.
using Lentotukialus = std::array<int, 5>;
using Risteilija = std::array<int, 4>;
using Tykkivene = std::array<int, 3>;
using Sukellusveneet = std::array<int, 5>;

// The keyboard on the grids: each grid's focus square, the grid the rules
// last handed the keyboard to, and how many times they have handed it over,
// so that the face is told to move its own focus exactly then.
struct Kohdistus {
    std::array<int, 2> ruutu{1, 1};  // indexed by Puoli
    Puoli ruudukko = Puoli::Pelaaja;
    int luovutuksia = 0;
};

// A ship that has sunk while sinking is animated: its side and its squares
// in record order, still to play the sinking before its surroundings show.
struct UppoavaLaiva {
    Puoli puoli = Puoli::Pelaaja;
    std::vector<int> ruudut;
};

// What comes after a sinking has played: the computer's turn after the
// player's shot, the word of the win, the rest of the computer's shot, or
// whatever the network game has next.
enum class Jatko { KoneenVuoro, Voitto, KoneenOsuma, Verkko };

// A sinking on screen: the ship, when it began and what follows it.
struct Uppoaminen {
    UppoavaLaiva laiva;
    std::chrono::milliseconds alkoi{};
    Jatko jatko = Jatko::KoneenVuoro;
    // When the next frame is drawn.
    std::chrono::milliseconds seuraavaKuva{};
};

// One ship of a fleet seen uniformly: its laid squares and its placed flag.
struct Laiva {
    std::span<int> ruudut;
    bool& sijoitettu;
};

// The whole game: the shared module variables and the main window's own
// fields. The window owns the one instance; rules and dialogs get references.
struct Pelitila {
    // Fleets. Flag arrays and records are indexed from 1.
    bool PelaajanLentotukialusSijoitettu = false;
    std::array<bool, 3> PelaajanRisteilijaSijoitettu{};
    std::array<bool, 4> PelaajanTykkiveneSijoitettu{};
    std::array<bool, 5> PelaajanSukellusveneSijoitettu{};
    bool KoneenLentotukialusSijoitettu = false;
    std::array<bool, 3> KoneenRisteilijaSijoitettu{};
    std::array<bool, 4> KoneenTykkiveneSijoitettu{};
    std::array<bool, 5> KoneenSukellusveneSijoitettu{};

    Lentotukialus PelaajanLentotukialus{};
    Risteilija PelaajanRisteilija1{}, PelaajanRisteilija2{};
    Tykkivene PelaajanTykkivene1{}, PelaajanTykkivene2{}, PelaajanTykkivene3{};
    Sukellusveneet PelaajanSukellusveneet{};
    Lentotukialus KoneenLentotukialus{};
    Risteilija KoneenRisteilija1{}, KoneenRisteilija2{};
    Tykkivene KoneenTykkivene1{}, KoneenTykkivene2{}, KoneenTykkivene3{};
    Sukellusveneet KoneenSukellusveneet{};

    Ruudukko PelaajanRuudut{};
    Ruudukko KoneenRuudut{};

    int PelaajanOsumat = 0;
    int KoneenOsumat = 0;

    // Phase flags.
    bool PelaajanVuoro = false;
    bool SijoitusKaynnissa = false;
    bool AmmuntaKaynnissa = false;
    bool PeliKaynnissa = false;

    int PerakkaisetVoitot = 0;
    // What the run remembers for who starts: the starter of its last game
    // whose firing opened, and the winner of its last finished game.
    std::optional<Puoli> EdellinenAloittaja;
    std::optional<Puoli> EdellinenVoittaja;

    // The check marks of the window's view options: the band of the
    // instruction line and the buttons, the blocked squares while placing,
    // the sounds, and the band of both fleets.
    bool NaytaPainikkeet = false;
    bool NaytaMahdottomatLaivaruudut = false;
    bool Aanet = false;
    bool NaytaLaivastot = false;

    // Settings, read from the store at start. Until then a ship may lie at
    // the edge, so that a state set up by hand has no blocked ring.
    std::string PelinAloitustapa;
    bool LaivojenKulmatSaavatKoskettaa = false;
    bool LaivaSaaSijaitaReunassa = true;
    bool NaytetaanLaivojenUppoaminen = false;

    ParhaatTulokset Parhaat;
    // The name last entered on the list in this run; the name entry offers it.
    std::string ViimeksiListallePaassytPelaaja;

    // Statistics are kept, and stored, only once the player asks for them.
    bool PidaTilastoa = false;
    Tilastot Tilasto;
    Verkkotilastot Verkkotilasto;
    // The game against the computer has opened firing and is not counted yet.
    bool PeliTilastoimatta = false;
    int PelaajanLaukaukset = 0;
    int KoneenLaukaukset = 0;

    // What assistive technology is told once at the next showing, before
    // the instruction line: the latest shot's result or a refused ship.
    std::string Kuulutus;
    // Fields of the main window: the latest shots and the computer's hunt.
    int PelaajanViimeisinLaukaus = 0;
    Osui PelaajanViimeisinOsui = Osui::tyhja;
    int KoneenViimeisinLaukaus = 0;
    Osui KoneenViimeisinOsui = Osui::tyhja;
    std::optional<int> KohdeOsuma;
    int KohdeRuutu = 0;
    int KohdeVaihe = 0;
    bool VasenTutkittu = false;
    bool OikeaTutkittu = false;
    bool YlosTutkittu = false;
    bool AlasTutkittu = false;
    bool KoneUpottiLaivan = false;
    Kohdistus Nappaimisto;

    // The sunk ship whose animation is still to come.
    std::optional<UppoavaLaiva> Uppoava;
    // What the game waits for before it goes on, each with its time: the
    // computer's pause until it ends, a ship's sinking from when it began.
    // The new-game commands wait for both.
    std::optional<std::chrono::milliseconds> TauonLoppu;
    std::optional<Uppoaminen> Uppoamassa;
    // Every save of the view options, the settings and the list goes through
    // it, and waits in it while another copy of the game holds the store.
    Tallennusjono Tallennukset;

    // The side's ten ships in fleet order: carrier, cruisers 1-2, gunboats
    // 1-3, submarines 1-4.
    std::array<Laiva, 10> Laivat(Puoli puoli);
    // The placed flags of the side's ten ships in fleet order.
    std::array<bool, 10> Sijoitetut(Puoli puoli) const;
    Ruudukko& Ruudut(Puoli puoli) {
        return puoli == Puoli::Pelaaja ? PelaajanRuudut : KoneenRuudut;
    }
};
