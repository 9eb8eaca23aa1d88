#pragma once

#include <string>

#include "Nakyma.h"
#include "Pelitila.h"
#include "Satunnaisluvut.h"

// What one tick of the turn timer leaves on screen.
struct Ajastintila {
    std::string ohje;       // the instruction line
    bool UusiPeliKaytossa;  // cmdPainike(0), cmdPainike(1) and mUusiPeli
};

// The rules of the game: the procedures of the main window, over the one game
// state, talking to the screen only through Nakyma.
class Peli {
  public:
    Peli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& arpa) : t(tila), n(nakyma), arpa(arpa) {}

    // Start of the program, after the window has read its view options.
    void AloitaOhjelma();
    void PoistaLaivat();
    void UusiPeli();
    void TeePelinAlkuvalmistelut();
    void mUusiPeli_Click();
    Ajastintila tmrAjastin_Timer();
    // The quit question and, on Yes, the name entry. True: end the program.
    bool VahvistaLopetus();
    // The blocked-square view toggled: repaints during placement.
    void NaytaEpakelvotRuudut(bool nayta);

    void VaraaLaittomatRuudut();
    // painike 1 is the left button; any other lays the ship vertically.
    void imgPelaaja_MouseUp(int ruutu, int painike);
    void SijoitaKoneenLaiva(int Pituus);

    void imgKone_Click(int ruutu);
    void MihinLaivaanPelaajaOsui(int RuutuJohonAmmuttiin);
    void AmmuTietokoneenPuolesta();
    void MihinLaivaanTietokoneOsui(int RuutuJohonAmmuttiin);
    void UpotaRuutu(int Ruutu);

  private:
    // A streak ends (loss, abandoned game): the name entry when it beats the
    // tenth place, otherwise back to 0.
    void PaataVoittoputki();

    Pelitila& t;
    Nakyma& n;
    Satunnaisluvut& arpa;
};
