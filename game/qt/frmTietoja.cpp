#include "qt/frmTietoja.h"

#include <QPushButton>

#include "qt/Linkkinimio.h"

frmTietoja::frmTietoja(frmTietojaMalli& malli, QWidget* parent)
    : Valintaikkuna(parent, frmTietojaAsettelu(), malli) {
    Hae<QLabel>("lblOhjelmanNimi")->setText(QString::fromStdString(malli.OhjelmanNimi));
    Hae<QLabel>("lblTekija")->setText(QString::fromStdString(malli.Tekija));
    auto* www = Hae<Linkkinimio>("lblWWW");
    auto* email = Hae<Linkkinimio>("lblEmail");
    www->setText(QString::fromStdString(malli.WWW));
    email->setText(QString::fromStdString(malli.Email));
    connect(www, &Linkkinimio::Napsautettu, this, [&malli] { malli.lblWWW_Click(); });
    connect(email, &Linkkinimio::Napsautettu, this, [&malli] { malli.lblEmail_Click(); });
    connect(Hae<QPushButton>("cmdOK"), &QPushButton::clicked, this, [this, &malli] {
        malli.cmdOK_Click();
        SuljeJosPurettu(Accepted);
    });
}
