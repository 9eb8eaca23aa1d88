#include "frmParhaatTulokset.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ParhaidenLista.h"
#include "Viestilaatikot.h"

namespace {

QLabel* Nimio(QWidget* isanta, const QString& nimi, std::size_t i, const QString& teksti) {
    auto* nimio = new QLabel(teksti, isanta);
    nimio->setObjectName(nimi + QString::number(i));
    return nimio;
}

}  // namespace

frmParhaatTulokset::frmParhaatTulokset(Pelitila& tila, QWidget* parent)
    : Valintaikkuna(parent, "Parhaat tulokset", 5415, 3375), t(tila) {
    cmdPainike[0] = new QPushButton("OK", this);
    cmdPainike[1] = new QPushButton("&Tyhjennä", this);
    for (std::size_t i = 0; i < cmdPainike.size(); ++i) {
        cmdPainike[i]->setObjectName("cmdPainike" + QString::number(i));
    }
    Sijoita(cmdPainike[0], 4080, 120, 1215, 375);
    Sijoita(cmdPainike[1], 4080, 600, 1215, 375);
    AsetaPainikkeet(cmdPainike[0], cmdPainike[0]);

    frParhaat = new QGroupBox("Eniten pelejä peräkkäin voittaneet", this);
    frParhaat->setObjectName("frParhaat");
    Sijoita(frParhaat, 120, 120, 3735, 3135);
    for (std::size_t i = 0; i < lblNimi.size(); ++i) {
        const int yla = 480 + 240 * static_cast<int>(i);
        lblSija[i] = Nimio(frParhaat, "lblSija", i, QString::number(i + 1) + ".");
        lblNimi[i] = Nimio(frParhaat, "lblNimi", i, LISTAN_OLETUSNIMI);
        lblNimi[i]->setTextFormat(Qt::PlainText);
        lblTulos[i] = Nimio(frParhaat, "lblTulos", i, "0");
        lblSija[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        lblTulos[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        Sijoita(lblSija[i], 360, yla, 255, 255);
        Sijoita(lblNimi[i], 840, yla, 1935, 255);
        Sijoita(lblTulos[i], 2880, yla, 375, 255);
    }

    connect(cmdPainike[0], &QPushButton::clicked, this, [this] { cmdPainike_Click(0); });
    connect(cmdPainike[1], &QPushButton::clicked, this, [this] { cmdPainike_Click(1); });

    Form_Load();
}

void frmParhaatTulokset::Form_Load() {
    AsetaNaytonOsoitin(Osoitin::Tiimalasi);
    for (std::size_t i = 0; i < lblNimi.size(); ++i) {
        lblNimi[i]->setText(QString::fromStdString(t.Parhaat.ParasPelaaja[i]));
        lblTulos[i]->setText(QString::number(t.Parhaat.ParasTulos[i]));
    }
    cmdPainike[1]->setEnabled(ListallaTuloksia(t.Parhaat));
}

void frmParhaatTulokset::cmdPainike_Click(int Index) {
    if (Index == 1) {
        Tyhjenna();
        return;
    }
    AsetaNaytonOsoitin(Osoitin::Tiimalasi);
    accept();
    AsetaNaytonOsoitin(Osoitin::Oletus);
}

void frmParhaatTulokset::Tyhjenna() {
    AsetaNaytonOsoitin(Osoitin::Oletus);
    if (!KysyVahvistus(this, "Tyhjennä",
                       "Haluatko varmasti tyhjentää parhaiden tulosten listan?")) {
        return;
    }
    AsetaNaytonOsoitin(Osoitin::Tiimalasi);
    TyhjennaLista(t.Parhaat);
    for (std::size_t i = 0; i < lblNimi.size(); ++i) {
        lblNimi[i]->setText(LISTAN_OLETUSNIMI);
        lblTulos[i]->setText("0");
    }
    cmdPainike[1]->setEnabled(false);
    AsetaNaytonOsoitin(Osoitin::Oletus);
}
