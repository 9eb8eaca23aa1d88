#pragma once

#include <QDialog>
#include <initializer_list>

#include "NaytonOsoitin.h"

class QPushButton;

// What every dialog of the game shares: a fixed client area, only the close box
// in the title bar, a place in the middle of the screen, Esc pressing the cancel
// button, and the default pointer back whenever the dialog becomes active.
class Valintaikkuna : public QDialog {
  public:
    Valintaikkuna(QWidget* parent, const QString& otsikko, int leveysTwipeina, int korkeusTwipeina);

  protected:
    // The control takes its table position; a caption that needs more room
    // than the table gives, in a font wider than the one it was laid out for,
    // widens it up to its container's edge rather than being cut.
    static void Sijoita(QWidget* saadin, int vasen, int yla, int leveys, int korkeus);
    void AsetaPainikkeet(QPushButton* oletus, QPushButton* peruutus);
    static void AsetaSarkainjarjestys(std::initializer_list<QWidget*> saatimet);

    bool event(QEvent* tapahtuma) override;
    void keyPressEvent(QKeyEvent* tapahtuma) override;
    void showEvent(QShowEvent* tapahtuma) override;

  private:
    QPushButton* peruutus_ = nullptr;
};
