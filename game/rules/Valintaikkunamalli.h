#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "rules/Asettelu.h"
#include "rules/Nakyma.h"
#include "rules/Sidonta.h"

// What a control shows as its model has it now.
struct Nakyva {
    std::string teksti;
    bool valittu = false;
    bool kaytossa = true;
    bool operator==(const Nakyva&) const = default;
};

// What the models of all dialogs share: their layout table and bindings, the
// player's acts on any control, the screen they ask things of, and whether
// their dialog is still loaded. Every button that closes a dialog unloads
// it, so each showing starts from a fresh load.
class Valintaikkunamalli {
  public:
    Valintaikkunamalli(Palvelut& palvelut, const Asettelu& asettelu)
        : p(palvelut), asettelu_(asettelu) {}
    virtual ~Valintaikkunamalli() = default;
    Valintaikkunamalli(const Valintaikkunamalli&) = delete;
    Valintaikkunamalli& operator=(const Valintaikkunamalli&) = delete;

    const Asettelu& Taulukko() const { return asettelu_; }
    // What the control shows now; a face reads every control after each act.
    Nakyva Nayta(const std::string& saadin) const;
    // The most characters a text box takes; 0 for no limit.
    int Pituus(const std::string& saadin) const;
    // A picture's pixels at the size the face shows it, as the model has it now.
    piirros::Pikselikuva Kuva(const std::string& saadin, int leveys, int korkeus) const;

    // The player's acts. A control that is not in use takes none, however
    // the face let it through.
    void Napsauta(const std::string& saadin);
    void Valitse(const std::string& saadin, bool valittu);
    void Muuta(const std::string& saadin, const std::string& teksti);
    // The act the control's kind makes: a button's or a link's click, a check
    // box's or an option's new state, a text box's new text.
    void Toimi(const std::string& saadin, bool valittu, const std::string& teksti);
    // Esc presses the table's cancel button.
    void Esc();

    // The dialog became the active window: whatever step left the hourglass
    // up, the player can act here.
    void Form_Activate() { p.AsetaOsoitin(Osoitin::Oletus); }
    // The title bar's close box.
    virtual void Sulje() = 0;
    bool Auki() const { return auki_; }
    // Whether the table's default button closed the dialog, as OK does.
    bool Hyvaksytty() const { return hyvaksytty_; }
    // Who shows the dialog hears through this when the model changes on its
    // own, not by an act of the player: it reads every control again.
    void KunMuuttuu(std::function<void()> muuttui) { muuttui_ = std::move(muuttui); }

    // A question of the dialog's own is open over it.
    bool Kysyy() const { return static_cast<bool>(kysymys_); }
    // Its answer: what waited for it follows, and the dialog shows it.
    void Vastattu(bool kylla) {
        std::exchange(kysymys_, {})(kylla);
        Muuttui();
    }

  protected:
    void Sido(std::vector<Sidonta> sidonnat) { sidonnat_ = std::move(sidonnat); }
    void Unload() { auki_ = false; }
    void Kysy(const std::string& otsikko, const std::string& teksti,
              std::function<void(bool)> sitten) {
        kysymys_ = std::move(sitten);
        p.Kysy(otsikko, teksti);
    }
    void Muuttui() {
        if (muuttui_) muuttui_();
    }

    Palvelut& p;

  private:
    // The binding of a control that the player can use now, or none.
    const Sidonta* Kaytettava(const std::string& saadin) const;
    const Sidonta* Sidottu(const std::string& saadin) const;

    const Asettelu& asettelu_;
    std::vector<Sidonta> sidonnat_;
    bool auki_ = true;
    bool hyvaksytty_ = false;
    std::function<void()> muuttui_;
    std::function<void(bool)> kysymys_;
};
