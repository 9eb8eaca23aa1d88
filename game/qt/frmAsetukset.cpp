#include "qt/frmAsetukset.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <string>

namespace {

std::string Nimi(const char* ryhma, std::size_t i) { return ryhma + std::to_string(i); }

}  // namespace

frmAsetukset::frmAsetukset(frmAsetuksetMalli& malli, QWidget* parent)
    : Valintaikkuna(parent, frmAsetuksetAsettelu(), malli), m(malli) {
    for (int i = 0; i < 2; ++i) {
        connect(Hae<QPushButton>(Nimi("cmdPainike", static_cast<std::size_t>(i))),
                &QPushButton::clicked, this, [this, i] { cmdPainike_Click(i); });
    }
    Nayta();
}

void frmAsetukset::Nayta() {
    Hae<QRadioButton>(Nimi("optAloitustapa", m.Aloitustapa))->setChecked(true);
    for (std::size_t i = 0; i < m.Sijainti.size(); ++i) {
        Hae<QCheckBox>(Nimi("chkSijainti", i))->setChecked(m.Sijainti[i]);
        Hae<QCheckBox>(Nimi("chkSijainti", i))->setEnabled(m.SijaintiKaytossa);
    }
    Hae<QGroupBox>("fraLaivojenSijainti")->setEnabled(m.SijaintiKaytossa);
    Hae<QRadioButton>(Nimi("optUppoaminen", m.Uppoaminen))->setChecked(true);
}

void frmAsetukset::cmdPainike_Click(int Index) {
    for (std::size_t i = 0; i < frmAsetuksetMalli::ALOITUSTAVAT.size(); ++i) {
        if (Hae<QRadioButton>(Nimi("optAloitustapa", i))->isChecked()) m.Aloitustapa = i;
    }
    for (std::size_t i = 0; i < m.Sijainti.size(); ++i)
        m.Sijainti[i] = Hae<QCheckBox>(Nimi("chkSijainti", i))->isChecked();
    m.Uppoaminen = Hae<QRadioButton>("optUppoaminen0")->isChecked() ? 0 : 1;
    m.cmdPainike_Click(Index);
    SuljeJosPurettu(Index == 0 ? Accepted : Rejected);
}
