#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "rules/Laatikot.h"
#include "rules/Nakyma.h"
#include "rules/Naytettytilanne.h"
#include "rules/Pelitila.h"
#include "rules/Ruutunakymat.h"
#include "rules/Satunnaisluvut.h"
#include "rules/Tietokone.h"
#include "rules/Vastustaja.h"
#include "rules/firing/KoneenLaukaus.h"
#include "rules/firing/PelaajanLaukaus.h"
#include "rules/firing/UppoamisenEsitys.h"
#include "rules/placement/KoneenSijoitus.h"
#include "rules/placement/PelaajanSijoitus.h"

// What keeps deadlines of its own besides the game: the network session.
class Maaraajallinen {
  public:
    virtual ~Maaraajallinen() = default;
    // The earliest moment something of it is due, on the face's clock.
    virtual std::optional<std::chrono::milliseconds> Maaraaika() const = 0;
};

// The rules of the game over the one game state, talking to the screen only
// through Nakyma: the flow from a new game to its end, the winning streak
// and quitting. Placing and firing are its parts; it hands them their
// events under the names the window's procedures always had.
class Peli {
  public:
    Peli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& satunnaisluvut);
    Peli(const Peli&) = delete;
    Peli& operator=(const Peli&) = delete;

    // Its deadlines count with the game's own.
    void LisaaMaaraajat(const Maaraajallinen* lahde) { maaraajat_ = lahde; }
    // The one place the timer is asked for: at the earliest deadline of the
    // pause, the sinking's next frame, the network's and the next try of a
    // save that found the store held, or not at all.
    void Ajoita();

    // From now on the friend is the opponent; nothing: the computer again.
    void AsetaVastustaja(Vastustaja* vastustaja) {
        vastustaja_ = vastustaja ? vastustaja : &tietokone_;
    }
    // Both fleets are laid in a network game: firing begins with the side
    // the match chose.
    void AvaaAmmunta(bool pelaajaAloittaa);
    // The player's shot as the friend answered it, hit or miss.
    void MerkitseOmaLaukaus(int ruutu, bool osui);
    // The friend's shot on the player's grid. True for a hit.
    bool MerkitseVastustajanLaukaus(int ruutu) { return koneenLaukaus_.MerkitseLaukaus(ruutu); }

    // Start of the program, after the window has read its view options.
    void AloitaOhjelma();
    void PoistaLaivat();
    void UusiPeli();
    void TeePelinAlkuvalmistelut();
    void mUusiPeli_Click();
    // A game under way is left for another: the new game's question, and the
    // streak settled as for a new game; then `sitten`, unless the player
    // keeps the game.
    void JataKesken(std::function<void()> sitten);
    // The instruction line, the caption and the commands as the state has
    // them now, the opponent's part included: the one place they are made.
    Tilanne NykyinenTilanne() const;
    // Brings what the window shows besides the grids in line with the state.
    void Paivita();
    // cmdPainike(0) and cmdPainike(1) on or off until the next showing.
    void PainikkeetKaytossa(bool kaytossa) { n.NaytaTilanne(naytetty_.Painikkeet(kaytossa)); }
    // The quit question and, on Yes, the name entry; then `vastaus`, true
    // to end the program.
    void VahvistaLopetus(std::function<void(bool)> vastaus);
    // The settings changed a placement rule: a game laid but not yet begun
    // is laid again under it.
    void SijoitussaannotMuuttuivat();
    // A streak ends (loss, abandoned game): the name entry when it beats the
    // tenth place, otherwise back to 0; then `sitten`.
    void PaataVoittoputki(std::function<void()> sitten = {});
    // The player's fleet is complete: firing opens.
    void AloitaAmmunta();
    // The timer the rules asked for has run out: the saves waiting for the
    // store, and the pause or the sinking under way, go on, only as far as
    // the clock says.
    void Ajastin();
    // What `jatko` names comes now, or, when a sunk ship waits for its
    // animation, once that has played.
    void UppoamisenJalkeen(Jatko jatko);

    // A game against the computer ended, or was left once firing had
    // opened: counted and stored once, while statistics are kept.
    void Tilastoi(Lopputulos tulos);
    // A network game that counts, by the friend's name.
    void TilastoiVerkkopeli(const std::string& vastustaja, bool voitti);

    // A sound, when the player has them on; a face that is not asked never
    // touches its sound system.
    void Soita(Aani aani);

    // A message box, a question or a dialog, with the window brought up to
    // date while it is open and after it closes, as the player would have
    // seen it; `sitten` follows its answer.
    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake,
                 std::function<void()> sitten = {});
    void Kysy(const std::string& otsikko, const std::string& teksti,
              std::function<void(bool)> sitten);
    void Avaa(std::unique_ptr<Valintaikkunamalli> malli,
              std::function<void(Valintaikkunamalli&)> sitten = {});
    // What each square shows, as the rules last wrote it.
    Ruutunakymat& Ruudut() { return ruudut_; }
    const Ruutunakymat& Ruudut() const { return ruudut_; }

    // A box or a dialog is open: the player answers it before anything else.
    bool LaatikkoAuki() const { return laatikot_.Auki(); }
    Valintaikkunamalli* AvoinDialogi() const { return laatikot_.Dialogi(); }
    // The box on top has closed.
    void Vastattu(bool kylla) { laatikot_.Vastattu(kylla); }

    void VaraaLaittomatRuudut();
    // The blocked-square view toggled: repaints during placement.
    void NaytaEpakelvotRuudut(bool nayta);
    void SijoitaKoneenLaiva(int Pituus) { koneenSijoitus_.SijoitaKoneenLaiva(Pituus); }
    void imgPelaaja_MouseUp(int ruutu, int painike) {
        pelaajanSijoitus_.imgPelaaja_MouseUp(ruutu, painike);
    }
    void SijoitaLaivatSatunnaisesti() { pelaajanSijoitus_.SijoitaLaivatSatunnaisesti(); }
    void imgKone_Click(int ruutu);
    void MihinLaivaanPelaajaOsui(int ruutu) { pelaajanLaukaus_.MihinLaivaanPelaajaOsui(ruutu); }
    // The computer's turn begins: a ship the player's shot sank plays its
    // sinking, then the pause runs; the shot follows when the pause ends.
    void AmmuTietokoneenPuolesta() { UppoamisenJalkeen(Jatko::KoneenVuoro); }
    void MihinLaivaanTietokoneOsui(int ruutu) { koneenLaukaus_.MihinLaivaanTietokoneOsui(ruutu); }
    void UpotaRuutu(int Ruutu) { esitys_.UpotaRuutu(Ruutu); }
    void UpotaLaiva(Puoli puoli, std::span<const int> ruudut) { esitys_.UpotaLaiva(puoli, ruudut); }

    // Attempts a ship is given at random before the fleet is laid again, the
    // computer's and the player's random fleet alike. A ship that has room
    // finds it within a few dozen; the bound only keeps a fleet that boxed
    // itself in from looping forever. Tests lower it to make that happen.
    int KoneenSijoitusyrityksia = 1000;
    // How long the computer waits before it shoots, and how long a ship
    // takes to sink; tests shorten both.
    std::chrono::milliseconds TauonPituus{1000};
    std::chrono::milliseconds UppoamisenKesto = UPPOAMISEN_KESTO;

  private:
    void Jatka(Jatko jatko);
    // One kind of statistics saved whole, behind the saves before it.
    void TallennaTilasto(const char* nimi, std::string teksti);
    // The name entry over the window; it settles the streak itself.
    void KysyNimi(std::function<void()> sitten);

    Pelitila& t;
    Nakyma& n;
    Satunnaisluvut& arpa;
    Ruutunakymat ruudut_;
    Naytettytilanne naytetty_;
    KoneenSijoitus koneenSijoitus_;
    PelaajanSijoitus pelaajanSijoitus_;
    PelaajanLaukaus pelaajanLaukaus_;
    KoneenLaukaus koneenLaukaus_;
    UppoamisenEsitys esitys_;
    Laatikot laatikot_;
    Tietokone tietokone_;
    Vastustaja* vastustaja_ = &tietokone_;
    const Maaraajallinen* maaraajat_ = nullptr;
    // The deadline the face's timer runs for.
    std::optional<std::chrono::milliseconds> pyydetty_;
};
