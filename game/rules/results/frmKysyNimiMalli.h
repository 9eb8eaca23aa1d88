#pragma once

#include <string>

#include "rules/Pelitila.h"
#include "rules/Valintaikkunamalli.h"

// "Onneksi olkoon!": asks a name for a streak long enough for the list and
// enters it. Both buttons end the streak; the close box leaves it standing.
class frmKysyNimiMalli : public Valintaikkunamalli {
  public:
    // The most characters txtNimi takes.
    static constexpr int NIMEN_PITUUS = 16;

    frmKysyNimiMalli(Pelitila& tila, Palvelut& palvelut);

    std::string Teksti;      // lblTeksti
    std::string Nimi;        // txtNimi; selected whole at load, so typing replaces it
    bool OKKaytossa = true;  // cmdPainike(0)

    // Every change of the name as the player typed it.
    void txtNimi_Change(const std::string& nimi);
    // 0 "OK", 1 "Peruuta". A disabled OK is never pressed: its binding
    // lets no press through.
    void cmdPainike_Click(int Index);
    void Sulje() override;

  private:
    void Form_Load();

    Pelitila& t;
};
