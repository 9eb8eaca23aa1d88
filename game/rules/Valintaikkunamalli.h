#pragma once

#include "rules/Nakyma.h"

// What the models of all dialogs share: the screen they ask things of, and
// whether their dialog is still loaded. Every button that closes a dialog
// unloads it, so each showing starts from a fresh load.
class Valintaikkunamalli {
  public:
    explicit Valintaikkunamalli(Palvelut& palvelut) : p(palvelut) {}
    virtual ~Valintaikkunamalli() = default;
    Valintaikkunamalli(const Valintaikkunamalli&) = delete;
    Valintaikkunamalli& operator=(const Valintaikkunamalli&) = delete;

    // The dialog became the active window: whatever step left the hourglass
    // up, the player can act here.
    void Form_Activate() { p.AsetaOsoitin(Osoitin::Oletus); }
    // The title bar's close box.
    virtual void Sulje() = 0;
    bool Auki() const { return auki_; }

  protected:
    void Unload() { auki_ = false; }

    Palvelut& p;

  private:
    bool auki_ = true;
};
