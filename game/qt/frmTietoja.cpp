#include "frmTietoja.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>

#include "Linkit.h"
#include "OhjelmanKuvake.h"
#include "Sormikursori.h"

namespace {

// A label that acts on a click of the left button released over it.
class Linkkinimio : public QLabel {
  public:
    Linkkinimio(const QString& teksti, QWidget* isanta, std::function<void()> napsautus)
        : QLabel(teksti, isanta), napsautus_(std::move(napsautus)) {
        QFont alleviivattu = font();
        alleviivattu.setUnderline(true);
        setFont(alleviivattu);
        QPalette vari = palette();
        vari.setColor(QPalette::WindowText, QColor(64, 64, 64));
        setPalette(vari);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* tapahtuma) override {
        if (tapahtuma->button() == Qt::LeftButton &&
            rect().contains(tapahtuma->position().toPoint())) {
            napsautus_();
        }
    }

  private:
    std::function<void()> napsautus_;
};

}  // namespace

frmTietoja::frmTietoja(QWidget* parent) : Valintaikkuna(parent, "Tietoja ohjelmasta", 5205, 2925) {
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    Sijoita(cmdOK, 3840, 2400, 1215, 375);
    AsetaPainikkeet(cmdOK, cmdOK);

    picKuvake = new QLabel(this);
    picKuvake->setObjectName("picKuvake");
    picKuvake->setPixmap(OhjelmanKuvake().pixmap(32, 32));
    Sijoita(picKuvake, 360, 360, 555, 495);

    lblOhjelmanNimi = new QLabel("Morvak", this);
    lblOhjelmanNimi->setObjectName("lblOhjelmanNimi");
    QFont lihava = lblOhjelmanNimi->font();
    lihava.setBold(true);
    lblOhjelmanNimi->setFont(lihava);
    Sijoita(lblOhjelmanNimi, 1200, 360, 855, 255);

    fraKehysviiva = new QFrame(this);
    fraKehysviiva->setObjectName("fraKehysviiva");
    fraKehysviiva->setFrameShape(QFrame::HLine);
    fraKehysviiva->setFrameShadow(QFrame::Sunken);
    Sijoita(fraKehysviiva, 1080, 1080, 3975, 35);

    lblTekija = new QLabel("Versio 1.2 · Tekijät: Morvak-työryhmä", this);
    lblTekija->setObjectName("lblTekija");
    Sijoita(lblTekija, 1200, 1320, 3735, 255);

    lblWWW = new Linkkinimio(KOTISIVU, this, [this] { AvaaKotisivu(this); });
    lblWWW->setObjectName("lblWWW");
    Sijoita(lblWWW, 1200, 1560, 2895, 255);

    lblEmail = new Linkkinimio(PALAUTEOSOITE, this, [this] { AvaaPalautelinkki(this); });
    lblEmail->setObjectName("lblEmail");
    Sijoita(lblEmail, 1200, 1800, 2055, 255);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    Form_Load();
}

void frmTietoja::Form_Load() {
    AsetaNaytonOsoitin(Osoitin::Oletus);
    const QCursor sormi = Sormikursori();
    lblWWW->setCursor(sormi);
    lblEmail->setCursor(sormi);
}

void frmTietoja::cmdOK_Click() {
    AsetaNaytonOsoitin(Osoitin::Tiimalasi);
    accept();
    AsetaNaytonOsoitin(Osoitin::Oletus);
}
