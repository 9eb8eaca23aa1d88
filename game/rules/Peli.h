#pragma once

#include <chrono>
#include <span>
#include <string>

#include "rules/Nakyma.h"
#include "rules/Pelitila.h"
#include "rules/Satunnaisluvut.h"

// The rules of the game: the procedures of the main window, over the one game
// state, talking to the screen only through Nakyma.
class Peli {
  public:
    Peli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& satunnaisluvut)
        : t(tila), n(nakyma), arpa(satunnaisluvut) {}

    // Start of the program, after the window has read its view options.
    void AloitaOhjelma();
    void PoistaLaivat();
    void UusiPeli();
    void TeePelinAlkuvalmistelut();
    void mUusiPeli_Click();
    // The instruction line and the commands as the state has them now.
    Tilanne NykyinenTilanne() const;
    // Brings what the window shows besides the grids in line with the state.
    void Paivita();
    // The quit question and, on Yes, the name entry. True: end the program.
    bool VahvistaLopetus();
    // The blocked-square view toggled: repaints during placement.
    void NaytaEpakelvotRuudut(bool nayta);
    // The settings changed a placement rule: a game laid but not yet begun
    // is laid again under it.
    void SijoitussaannotMuuttuivat();

    void VaraaLaittomatRuudut();
    // painike 1 is the left button; any other lays the ship vertically.
    void imgPelaaja_MouseUp(int ruutu, int painike);
    void SijoitaKoneenLaiva(int Pituus);
    // Lays the ships the player has not laid, at random, click by click.
    void SijoitaLaivatSatunnaisesti();

    void imgKone_Click(int ruutu);
    void MihinLaivaanPelaajaOsui(int RuutuJohonAmmuttiin);
    // The computer's turn begins: a ship the player's shot sank plays its
    // sinking, then the pause runs; the shot follows when the pause ends.
    void AmmuTietokoneenPuolesta();
    void MihinLaivaanTietokoneOsui(int RuutuJohonAmmuttiin);
    void UpotaRuutu(int Ruutu);
    // A ship of the side has sunk: its surroundings are revealed now, or,
    // when sinking is animated, once its squares have played it.
    void UpotaLaiva(Puoli puoli, std::span<const int> ruudut);
    // The timer the rules asked for has run out: the pause or the sinking
    // under way goes on. Early or late expiries only move it as far as the
    // clock says.
    void Ajastin();

    // A message box or a question, with the window brought up to date while
    // it is open and after it closes, as the player would have seen it.
    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake);
    bool Kysy(const std::string& otsikko, const std::string& teksti);

    // Attempts the computer gives one ship before it lays its whole fleet
    // again from a cleared grid. A ship that has room finds it within a few
    // dozen; the bound only keeps a fleet that boxed itself in from looping
    // forever. Tests lower it to make the recovery happen.
    int KoneenSijoitusyrityksia = 1000;
    // How long the computer waits before it shoots, and how long a ship
    // takes to sink; tests shorten both.
    std::chrono::milliseconds TauonPituus{1000};
    std::chrono::milliseconds UppoamisenKesto = UPPOAMISEN_KESTO;

  private:
    // A streak ends (loss, abandoned game): the name entry when it beats the
    // tenth place, otherwise back to 0.
    void PaataVoittoputki();
    // The name entry over the window; it settles the streak itself.
    void KysyNimi();
    // One try at the computer's whole fleet on a cleared grid; false when it
    // did not come out at twenty squares.
    bool SijoitaKoneenLaivasto();
    // One random try at a computer's ship; false when it met a square that
    // is not water, and then nothing of it is left laid.
    bool SijoitaKoneenLaivaKerran(const Laiva& laiva);
    // Lays the player's ship from the anchor square, or leaves no trace.
    bool SijoitaPelaajanLaiva(const Laiva& laiva, int ankkuri, int painike);
    // UpotaRuutu on the grid of the side given.
    void UpotaRuutu(Puoli puoli, int Ruutu);
    // What `jatko` names comes now, or, when a sunk ship waits for its
    // animation, once that has played.
    void UppoamisenJalkeen(Jatko jatko);
    void AloitaUppoaminen(Jatko jatko);
    void JatkaUppoamista();
    void NaytaVedenpinta(const UppoavaLaiva& laiva, std::optional<double> pinta);
    void Jatka(Jatko jatko);
    void AloitaTauko();
    void JatkaTaukoa();
    // The computer picks its target and shoots.
    void KoneAmpuu();
    // The rest of the computer's hit once its sinking, if any, has played:
    // the loss, the hunt, and the turn back to the player.
    void KoneenOsumaRatkaistu();
    void KoneenVuoroLoppuu();
    // Takes back what a refused ship had laid so far.
    void PeruLaiva(Puoli puoli, const Laiva& laiva);
    // The player's fleet is complete: firing opens.
    void AloitaAmmunta();
    // What one click on the player's grid came to: nothing, a ship laid, the
    // fleet complete, or a ship laid after which the next fits nowhere.
    enum class Sijoitustulos { Ohi, Laskettu, Valmis, Umpikuja };
    // Lays the player's next ship by a click; what comes of it is the caller's.
    Sijoitustulos LaskePelaajanLaiva(int ruutu, int painike);
    // One random try at the player's ships not yet laid; true when the fleet
    // came out complete, false when a ship found no room within its attempts
    // or left the next one none.
    bool SijoitaLoputSatunnaisesti();
    // Takes back every ship of the player's but those in fleet order marked
    // here, with the blocked squares around them.
    void JataPelaajanLaivat(const std::array<bool, 10>& jatettavat);
    // Firing has opened: when the computer is to start, it shoots now.
    void AnnaEnsimmainenVuoro();
    // The next ship fits nowhere: the player is told, and the placement
    // starts again on a cleared grid.
    void AloitaPelaajanSijoitusAlusta();

    Pelitila& t;
    Nakyma& n;
    Satunnaisluvut& arpa;
};
