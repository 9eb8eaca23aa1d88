#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "rules/pictures/Pikselikuva.h"

// What one control of a dialog shows and does, beside its row of the layout
// table. A face's generic dialog reads every control through these after
// each event and hands the player's acts back through them, so a new control
// is one row and one binding here, and nothing in either face.
struct Sidonta {
    std::string saadin;  // the control's name in the layout table
    // What a label or a text box shows; unset, the table's caption.
    std::function<std::string()> teksti = {};
    // Whether a check box is checked or an option button selected.
    std::function<bool()> valittu = {};
    // Whether the player can use the control; unset, always.
    std::function<bool()> kaytossa = {};
    // A button or a link clicked.
    std::function<void()> napsautus = {};
    // A check box or an option button set by the player: checked or not.
    std::function<void(bool)> valinta = {};
    // Every change of a text box's text.
    std::function<void(const std::string&)> muutos = {};
    // The most characters a text box takes; 0 for no limit.
    int pituus = 0;
    // A picture's pixels at the size the face shows it.
    std::function<piirros::Pikselikuva(int leveys, int korkeus)> kuva = {};
};

// Bindings to a model's own fields. The model outlives its bindings, and is
// never copied, so they hold its fields by reference.
namespace sido {

Sidonta Painike(std::string saadin, std::function<void()> napsautus,
                const bool* kaytossa = nullptr);
Sidonta Nimio(std::string saadin, const std::string& teksti);
// A frame or any control whose only binding is whether it can be used.
Sidonta Kaytossa(std::string saadin, const bool& kaytossa);
Sidonta Valintaruutu(std::string saadin, bool& valittu, const bool* kaytossa = nullptr);
// One option of a group: selected while `valinta` holds `arvo`.
Sidonta Valintanappi(std::string saadin, std::size_t& valinta, std::size_t arvo);
// A picture named by `nimi` for assistive technology.
Sidonta Kuva(std::string saadin, const std::string& nimi,
             std::function<piirros::Pikselikuva(int leveys, int korkeus)> kuva);
Sidonta Tekstikentta(std::string saadin, const std::string& teksti,
                     std::function<void(const std::string&)> muutos, int pituus);

}  // namespace sido
