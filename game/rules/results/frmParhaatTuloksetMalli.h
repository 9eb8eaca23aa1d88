#pragma once

#include <array>
#include <string>

#include "rules/Pelitila.h"
#include "rules/Valintaikkunamalli.h"

// "Parhaat tulokset": the ten longest winning streaks, with the command that
// clears them.
class frmParhaatTuloksetMalli : public Valintaikkunamalli {
  public:
    frmParhaatTuloksetMalli(Pelitila& tila, Palvelut& palvelut);

    // One row per place, best first: lblSija, lblNimi, lblTulos. Names are
    // whatever a player typed or the store held: plain text, never markup.
    std::array<std::string, 10> Sija;
    std::array<std::string, 10> Nimi;
    std::array<std::string, 10> Tulos;
    bool TyhjennaKaytossa = false;  // cmdPainike(1)

    // 0 "OK", 1 "&Tyhjennä".
    void cmdPainike_Click(int Index);
    void Sulje() override;

  private:
    void Form_Load();
    void NaytaLista();
    void Tyhjenna();

    Pelitila& t;
};
