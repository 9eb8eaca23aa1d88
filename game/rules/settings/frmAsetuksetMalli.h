#pragma once

#include <array>

#include "rules/Pelitila.h"
#include "rules/Valintaikkunamalli.h"
#include "rules/settings/Aloitustavat.h"

// "Asetukset": how a game starts, the two placement rules and the sinking
// display. Loads from the game state; OK writes the state and the store.
class frmAsetuksetMalli : public Valintaikkunamalli {
  public:
    // The stored start modes, in the order of the dialog's options; the third
    // is shorter than its option's caption.
    static constexpr std::array<const char*, 3> ALOITUSTAVAT = aloitustapa::KAIKKI;

    frmAsetuksetMalli(Pelitila& tila, Palvelut& palvelut);

    // What the controls show, bound to them beside the layout table.
    std::size_t Aloitustapa = 0;     // the selected optAloitustapa
    std::array<bool, 2> Sijainti{};  // chkSijainti(0), chkSijainti(1)
    std::size_t Uppoaminen = 0;      // the selected optUppoaminen
    bool SijaintiKaytossa = true;    // fraLaivojenSijainti and its boxes

    // 0 "OK", 1 "Peruuta".
    void cmdPainike_Click(int Index);
    // The title bar's close box: as "Peruuta" for the data.
    void Sulje() override;

  private:
    void Form_Load();

    Pelitila& t;
};
