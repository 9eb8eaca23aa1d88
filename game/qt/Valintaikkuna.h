#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "rules/Asettelu.h"
#include "rules/Valintaikkunamalli.h"

class QPushButton;

// A dialog of the game built from its layout table over its model: a fixed
// client area, only the close box in the title bar, a place in the middle of
// the screen. Esc presses the table's cancel button; activation and the close
// box go to the model. A subclass copies the model to the controls and the
// player's changes back, and calls the model's handlers.
class Valintaikkuna : public QDialog {
    Q_OBJECT

  public:
    Valintaikkuna(QWidget* parent, const Asettelu& asettelu, Valintaikkunamalli& malli);

  protected:
    template <class Tyyppi>
    Tyyppi* Hae(const std::string& nimi) const {
        return static_cast<Tyyppi*>(saatimet_.at(nimi));
    }
    // Closes the dialog once its model has been unloaded by a button.
    void SuljeJosPurettu(int tulos);

    bool event(QEvent* tapahtuma) override;
    void keyPressEvent(QKeyEvent* tapahtuma) override;
    void closeEvent(QCloseEvent* tapahtuma) override;
    void showEvent(QShowEvent* tapahtuma) override;

  private:
    void Luo(const Asettelu& asettelu);
    // Fits every text to its control in the font at hand, before showing.
    void AnnaTilaaTeksteille();
    QWidget* LuoSaadin(const Saadin& saadin, QWidget* isanta);

    Valintaikkunamalli& malli_;
    std::map<std::string, QWidget*> saatimet_;
    QPushButton* peruutus_ = nullptr;
};
