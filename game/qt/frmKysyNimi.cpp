#include "qt/frmKysyNimi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmKysyNimi::frmKysyNimi(frmKysyNimiMalli& malli, QWidget* parent)
    : Valintaikkuna(parent, frmKysyNimiAsettelu(), malli), m(malli) {
    auto* txtNimi = Hae<QLineEdit>("txtNimi");
    auto* ok = Hae<QPushButton>("cmdPainike0");
    Hae<QLabel>("lblTeksti")->setText(QString::fromStdString(m.Teksti));
    txtNimi->setMaxLength(frmKysyNimiMalli::NIMEN_PITUUS);
    txtNimi->setText(QString::fromStdString(m.Nimi));
    txtNimi->selectAll();
    ok->setEnabled(m.OKKaytossa);

    connect(txtNimi, &QLineEdit::textChanged, this, [this, ok](const QString& nimi) {
        m.txtNimi_Change(nimi.toStdString());
        ok->setEnabled(m.OKKaytossa);
    });
    connect(ok, &QPushButton::clicked, this, [this] { cmdPainike_Click(0); });
    connect(Hae<QPushButton>("cmdPainike1"), &QPushButton::clicked, this,
            [this] { cmdPainike_Click(1); });
}

void frmKysyNimi::cmdPainike_Click(int Index) {
    m.cmdPainike_Click(Index);
    SuljeJosPurettu(Index == 0 ? Accepted : Rejected);
}
