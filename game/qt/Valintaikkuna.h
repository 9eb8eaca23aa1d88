#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "rules/Tekstinsovitus.h"
#include "rules/Valintaikkunamalli.h"

// The controls of a layout table by name, made in a window in the table's
// order with their names, the table's texts, access keys and tab order.
using Saatimet = std::map<std::string, QWidget*>;
Saatimet LuoSaatimet(const Asettelu& asettelu, QWidget* ikkuna);
void AsetaTeksti(const Saadin& saadin, QWidget* kohde, const QString& teksti);
// In the places and letter widths the rules fit them to.
void Sijoita(const Saatimet& saatimet, const Sovitus& sovitus);
// The control's letters narrowed to the given per cent.
void Venyta(QWidget* saadin, int venytys);

// Any dialog of the game, built from its model's layout table and bound to
// the model: a fixed client area, only the close box in the title bar, a
// place in the middle of the screen. Every act of the player goes to the
// model, every control shows the model again after it and whenever the
// model changes on its own, and the dialog closes once the model has been
// unloaded.
class Valintaikkuna : public QDialog {
    Q_OBJECT

  public:
    Valintaikkuna(Valintaikkunamalli& malli, QWidget* parent);
    ~Valintaikkuna() override;

  protected:
    bool event(QEvent* tapahtuma) override;
    void keyPressEvent(QKeyEvent* tapahtuma) override;
    void closeEvent(QCloseEvent* tapahtuma) override;
    void showEvent(QShowEvent* tapahtuma) override;

  private:
    // Hands the control's acts to the model.
    void Kytke(const Saadin& kuvaus, QWidget* saadin);
    void Nayta();
    // The places the rules give the controls for their texts in this font.
    void Sovita();
    void Toimittu();

    Valintaikkunamalli& malli_;
    Saatimet saatimet_;
};
