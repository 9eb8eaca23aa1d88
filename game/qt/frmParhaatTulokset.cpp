#include "qt/frmParhaatTulokset.h"

#include <QLabel>
#include <QPushButton>
#include <string>

frmParhaatTulokset::frmParhaatTulokset(frmParhaatTuloksetMalli& malli, QWidget* parent)
    : Valintaikkuna(parent, frmParhaatTuloksetAsettelu(), malli), m(malli) {
    for (int i = 0; i < 2; ++i) {
        connect(Hae<QPushButton>("cmdPainike" + std::to_string(i)), &QPushButton::clicked, this,
                [this, i] { cmdPainike_Click(i); });
    }
    Nayta();
}

void frmParhaatTulokset::Nayta() {
    for (std::size_t i = 0; i < m.Nimi.size(); ++i) {
        const std::string rivi = std::to_string(i);
        Hae<QLabel>("lblSija" + rivi)->setText(QString::fromStdString(m.Sija[i]));
        Hae<QLabel>("lblNimi" + rivi)->setText(QString::fromStdString(m.Nimi[i]));
        Hae<QLabel>("lblTulos" + rivi)->setText(QString::fromStdString(m.Tulos[i]));
    }
    Hae<QPushButton>("cmdPainike1")->setEnabled(m.TyhjennaKaytossa);
}

void frmParhaatTulokset::cmdPainike_Click(int Index) {
    m.cmdPainike_Click(Index);
    Nayta();
    SuljeJosPurettu(Accepted);
}
