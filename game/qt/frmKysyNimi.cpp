#include "frmKysyNimi.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ParhaidenLista.h"

frmKysyNimi::frmKysyNimi(Pelitila& tila, QWidget* parent)
    : Valintaikkuna(parent, "Onneksi olkoon!", 5175, 1680), t(tila) {
    lblTeksti = new QLabel(this);
    lblTeksti->setObjectName("lblTeksti");
    lblTeksti->setWordWrap(true);
    lblTeksti->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Sijoita(lblTeksti, 120, 120, 3495, 975);

    txtNimi = new QLineEdit("Nimetön", this);
    txtNimi->setObjectName("txtNimi");
    txtNimi->setMaxLength(16);
    Sijoita(txtNimi, 120, 1200, 3495, 315);

    cmdPainike[0] = new QPushButton("OK", this);
    cmdPainike[1] = new QPushButton("Peruuta", this);
    for (std::size_t i = 0; i < cmdPainike.size(); ++i) {
        cmdPainike[i]->setObjectName("cmdPainike" + QString::number(i));
    }
    Sijoita(cmdPainike[0], 3840, 120, 1215, 375);
    Sijoita(cmdPainike[1], 3840, 600, 1215, 375);
    AsetaPainikkeet(cmdPainike[0], cmdPainike[1]);
    AsetaSarkainjarjestys({txtNimi, cmdPainike[0], cmdPainike[1]});

    connect(txtNimi, &QLineEdit::textChanged, this, [this] { txtNimi_Change(); });
    connect(cmdPainike[0], &QPushButton::clicked, this, [this] { cmdPainike_Click(0); });
    connect(cmdPainike[1], &QPushButton::clicked, this, [this] { cmdPainike_Click(1); });

    Form_Load();
}

void frmKysyNimi::Form_Load() {
    if (!ViimeksiListallePaassytPelaaja.isEmpty()) {
        txtNimi->setText(ViimeksiListallePaassytPelaaja);
    }
    txtNimi->selectAll();

    const QString onnittelu =
        t.PerakkaisetVoitot == 1
            ? QString(
                  "Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten "
                  "listalle.")
            : "Voitit " + QString::number(t.PerakkaisetVoitot) +
                  " peliä peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.";
    lblTeksti->setText(onnittelu + "\n\n\nKirjoita nimesi:");
}

void frmKysyNimi::txtNimi_Change() { cmdPainike[0]->setEnabled(!txtNimi->text().isEmpty()); }

void frmKysyNimi::cmdPainike_Click(int Index) {
    AsetaNaytonOsoitin(Osoitin::Tiimalasi);
    if (Index == 0) {
        ViimeksiListallePaassytPelaaja = txtNimi->text();
        LisaaListalle(t.Parhaat, txtNimi->text().toStdString(), t.PerakkaisetVoitot);
        t.PerakkaisetVoitot = 0;
        accept();
        AsetaNaytonOsoitin(Osoitin::Oletus);
        return;
    }
    t.PerakkaisetVoitot = 0;
    reject();
    AsetaNaytonOsoitin(Osoitin::Oletus);
    QCoreApplication::processEvents();
}
