#include "qt/frmMorvak.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSessionManager>
#include <utility>

#include "qt/Kuvaruudukko.h"
#include "qt/Kuvaruutu.h"
#include "qt/Sormikursori.h"
#include "qt/Twipit.h"
#include "rules/Ruudut.h"

frmMorvak::frmMorvak(Satunnaisluvut arpa, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      arpa_(std::move(arpa)),
      malli_(tila_, *this, arpa_),
      sormikursori_(Sormikursori()) {
    const Asettelu& asettelu = frmMorvakAsettelu();
    setObjectName(QString::fromStdString(asettelu.nimi));
    setWindowTitle(QString::fromStdString(asettelu.otsikko));
    auto* alue = new QWidget(this);
    alue->setFixedSize(Twipeista(asettelu.leveys), Twipeista(asettelu.korkeus));
    setCentralWidget(alue);
    LuoAlalaita(alue);
    LuoRuudukot(alue);
    LuoValikot();
    // The window takes exactly the size of the menu bar and the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Logging out asks as the close box does; without leave to ask, the
    // session ends the program as it stands.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& istunto) {
        if (!istunto.allowsInteraction()) return;
        const bool paattyy = IstuntoPaattyy();
        istunto.release();
        if (!paattyy) istunto.cancel();
    });
    malli_.Form_Load(logicalDpiY());
}

bool frmMorvak::IstuntoPaattyy() {
    return lopetetaan_ || malli_.Form_QueryUnload(Sulkutapa::Istunnonloppu);
}

void frmMorvak::LuoRuudukot(QWidget* alue) {
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone})
        ruudukot_[static_cast<std::size_t>(puoli)] = new Kuvaruudukko(puoli, malli_, alue);
    for (int n = 1; n <= RUUTUJA; ++n) {
        imgPelaaja[n] = ruudukot_[0]->Ruutu(n);
        connect(imgPelaaja[n], &Kuvaruutu::MouseUp, this,
                [this, n](int painike) { malli_.imgPelaaja_MouseUp(n, painike); });
    }
    for (int n = 1; n <= RUUTUJA; ++n) {
        imgKone[n] = ruudukot_[1]->Ruutu(n);
        connect(imgKone[n], &Kuvaruutu::Click, this, [this, n] { malli_.imgKone_Click(n); });
    }
    // Tab goes from the player's grid to the computer's and on to the buttons.
    setTabOrder(ruudukot_[0], ruudukot_[1]);
    setTabOrder(ruudukot_[1], cmdPainike[0]);
}

void frmMorvak::LuoAlalaita(QWidget* alue) {
    const Asettelu& asettelu = frmMorvakAsettelu();
    const auto teksti = [&](const char* nimi) {
        return QString::fromStdString(asettelu[nimi].teksti);
    };
    const auto paikka = [&](const char* nimi) { return TwipeistaAlue(asettelu[nimi].alue); };

    fraOhje = new QGroupBox(teksti("fraOhje"), alue);
    fraOhje->setObjectName("fraOhje");
    fraOhje->setGeometry(paikka("fraOhje"));
    lblOhje = new QLabel(fraOhje);
    lblOhje->setObjectName("lblOhje");
    lblOhje->setTextFormat(Qt::PlainText);
    lblOhje->setGeometry(paikka("lblOhje"));
    NaytaOhje(asettelu["lblOhje"].teksti);
    naytetty_.ohje = asettelu["lblOhje"].teksti;

    for (const int i : {1, 0}) {
        const std::string nimi = "cmdPainike(" + std::to_string(i) + ")";
        cmdPainike[i] = new QPushButton(QString::fromStdString(asettelu[nimi].teksti), alue);
        cmdPainike[i]->setObjectName(QString::fromStdString(nimi));
        cmdPainike[i]->setGeometry(TwipeistaAlue(asettelu[nimi].alue));
        cmdPainike[i]->setDefault(asettelu[nimi].tyyli & tyyli::OLETUS);
        // Enter on a focused button presses that button, as in any window.
        cmdPainike[i]->setAutoDefault(true);
        connect(cmdPainike[i], &QPushButton::clicked, this,
                [this, i] { malli_.Suorita(Painikekomento(i)); });
    }
    setTabOrder(cmdPainike[0], cmdPainike[1]);

    auto* fraKehysviiva = new QFrame(alue);
    fraKehysviiva->setObjectName("fraKehysviiva");
    fraKehysviiva->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    fraKehysviiva->setGeometry(paikka("fraKehysviiva"));
}

void frmMorvak::NaytaOhje(const std::string& ohje) {
    const QString teksti = QString::fromStdString(ohje);
    // A streak of a hundred wins makes the win text wider than its line;
    // narrower letters keep it whole.
    QFont kirjasin = fraOhje->font();
    for (int venytys = 98;
         QFontMetrics(kirjasin).horizontalAdvance(teksti) > lblOhje->width() && venytys >= 50;
         venytys -= 2) {
        kirjasin.setStretch(venytys);
    }
    lblOhje->setFont(kirjasin);
    // The label tells assistive technology of its new name itself.
    lblOhje->setText(teksti);
}

void frmMorvak::closeEvent(QCloseEvent* tapahtuma) {
    if (lopetetaan_ || malli_.Form_QueryUnload(Sulkutapa::Sulkuruutu)) {
        tapahtuma->accept();
    } else {
        tapahtuma->ignore();
    }
}

void frmMorvak::Lopeta() {
    lopetetaan_ = true;
    // A pause in progress ends now and tells its shot not to go on.
    if (tauko_) tauko_->quit();
    hide();
    QCoreApplication::exit(0);
}

void frmMorvak::keyPressEvent(QKeyEvent* tapahtuma) {
    // A key that no focused control took may stand for a command.
    const int nappain = tapahtuma->key();
    const Nappain merkitys =
        nappain == Qt::Key_Return || nappain == Qt::Key_Enter ? Nappain::Enter : Nappain::Ei;
    for (const Nappainkomento& komento : Nappainkomennot()) {
        if (komento.nappain != merkitys) continue;
        if (Kaytossa(naytetty_, komento.komento)) malli_.Suorita(komento.komento);
        return;
    }
    QMainWindow::keyPressEvent(tapahtuma);
}
