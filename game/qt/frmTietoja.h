#pragma once

#include "Valintaikkuna.h"

class QFrame;
class QLabel;
class QPushButton;

// "Tietoja ohjelmasta": the program's name, icon and author, and two links,
// to the product's web page and to a mail message for feedback.
class frmTietoja : public Valintaikkuna {
    Q_OBJECT

  public:
    explicit frmTietoja(QWidget* parent);

  private:
    void Form_Load();
    void cmdOK_Click();

    QLabel* picKuvake;
    QLabel* lblOhjelmanNimi;
    QFrame* fraKehysviiva;
    QLabel* lblTekija;
    QLabel* lblWWW;
    QLabel* lblEmail;
    QPushButton* cmdOK;
};
