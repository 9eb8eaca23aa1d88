#pragma once

#include <chrono>
#include <functional>

#include "rules/Laatikot.h"
#include "rules/Nakyma.h"

class QWidget;

// What the windows' models ask of the screen, realised with Qt: the
// screen-wide pointer, message boxes over the window that is active, the
// desktop's opener and the program's folder.
class Ikkunapalvelut : public virtual Palvelut {
  public:
    // `paaikkuna` owns boxes and opens while no dialog is up, and may be
    // nullptr; `vastattu` hears each box's answer once the box has gone.
    Ikkunapalvelut(QWidget* paaikkuna, std::function<void(bool)> vastattu)
        : paaikkuna_(paaikkuna), jono_(std::move(vastattu)) {}

    void AsetaOsoitin(Osoitin osoitin) override;
    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) override;
    void Kysy(const std::string& otsikko, const std::string& teksti) override;
    void AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) override;
    std::string OhjelmanKansio() const override;
    std::chrono::milliseconds Nyt() const override;

    // A box or dialog, shown modally once the call that asked for it has
    // returned: `nayta` shows it and tells the answer, and the answer is
    // handed on once the box has gone.
    void Jonoon(std::function<bool()> nayta);
    // Shows at once the boxes asked for and not yet shown, each in turn.
    void NaytaOdottavat() { jono_.NaytaOdottavat(); }
    // The window a new box belongs to: a dialog's box belongs to that dialog.
    QWidget* Aktiivinen() const;

  private:
    QWidget* paaikkuna_;
    Laatikkojono jono_;
};
