#pragma once

// A dialog whose model changes on its own, as a list of found games grows
// while the dialog is open: one label and one button.

#include <string>
#include <utility>

#include "rules/Valintaikkunamalli.h"

inline const Asettelu& MuuttuvaAsettelu() {
    static const Asettelu asettelu{
        "frmMuuttuva",
        "Muuttuva",
        3000,
        1200,
        {{"lblTila", Laji::Nimio, "", {120, 120, 2700, 255}},
         {"cmdOK", Laji::Painike, "OK", {1680, 600, 1215, 375}, {}, tyyli::OLETUS}},
        {"cmdOK"}};
    return asettelu;
}

class Muuttuvamalli : public Valintaikkunamalli {
  public:
    explicit Muuttuvamalli(Palvelut& palvelut) : Valintaikkunamalli(palvelut, MuuttuvaAsettelu()) {
        Sido({sido::Nimio("lblTila", tila_), sido::Painike("cmdOK", [this] { Unload(); })});
    }
    void Sulje() override { Unload(); }

    void Muuta(std::string tila) {
        tila_ = std::move(tila);
        Muuttui();
    }
    void Poistu() {
        Unload();
        Muuttui();
    }

  private:
    std::string tila_ = "Haetaan...";
};
