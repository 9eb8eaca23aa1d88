#pragma once

#include <QString>
#include <array>

#include "Pelitila.h"
#include "Valintaikkuna.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "Onneksi olkoon!": asks a name for a streak long enough for the list and
// enters it. Both buttons end the streak; the close box leaves it standing.
class frmKysyNimi : public Valintaikkuna {
    Q_OBJECT

  public:
    frmKysyNimi(Pelitila& tila, QWidget* parent);

    // The name last entered with OK in this run; offered again next time.
    static inline QString ViimeksiListallePaassytPelaaja;

  private:
    void Form_Load();
    void txtNimi_Change();
    void cmdPainike_Click(int Index);

    Pelitila& t;
    QLabel* lblTeksti;
    QLineEdit* txtNimi;
    std::array<QPushButton*, 2> cmdPainike{};
};
