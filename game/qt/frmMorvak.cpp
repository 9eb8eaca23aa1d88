#include "qt/frmMorvak.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSessionManager>
#include <utility>

#include "qt/Kuvanimio.h"
#include "qt/Kuvaruudukko.h"
#include "qt/Sormikursori.h"
#include "qt/Twipit.h"
#include "qt/Valintaikkuna.h"
#include "rules/Ruudut.h"
#include "rules/Tekstinsovitus.h"

frmMorvak::frmMorvak(Satunnaisluvut arpa, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      Ikkunapalvelut(this, [this](bool kylla) { malli_.Tapahtuu(Vastattu{kylla}); }),
      arpa_(std::move(arpa)),
      malli_(tila_, *this, arpa_, &verkko_),
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
    ajastin_.setSingleShot(true);
    // A coarse timer may run out a little early; the rules would only ask
    // again for the rest.
    ajastin_.setTimerType(Qt::PreciseTimer);
    connect(&ajastin_, &QTimer::timeout, this, [this] { malli_.Tapahtuu(AjastinLaukesi{}); });
    // Logging out asks as the close box does; without leave to ask, the
    // session ends the program as it stands.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& istunto) {
        if (!istunto.allowsInteraction()) return;
        const bool paattyy = IstuntoPaattyy();
        istunto.release();
        if (!paattyy) istunto.cancel();
    });
    malli_.Form_Load(logicalDpiY());
    // The load's notice is answered before the window first shows.
    NaytaOdottavat();
}

// The session manager wants its answer before its request returns: a save
// still waiting for another copy of the game is made here, on the rules'
// timer, before the answer.
bool frmMorvak::IstuntoPaattyy() {
    malli_.Tapahtuu(SulkemisPyynto{Sulkutapa::Istunnonloppu});
    NaytaOdottavat();
    while (malli_.Poistumassa() && !malli_.Loppunut())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return malli_.Loppunut();
}

void frmMorvak::LuoRuudukot(QWidget* alue) {
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone})
        ruudukot_[static_cast<std::size_t>(puoli)] = new Kuvaruudukko(puoli, malli_, alue);
    // Tab goes from the player's grid to the computer's and on through the
    // bands' controls in the table's order.
    setTabOrder(ruudukot_[0], ruudukot_[1]);
    QWidget* edellinen = ruudukot_[1];
    for (const std::string& nimi : frmMorvakAsettelu().sarkainjarjestys) {
        setTabOrder(edellinen, alalaita_.at(nimi));
        edellinen = alalaita_.at(nimi);
    }
}

void frmMorvak::LuoAlalaita(QWidget* alue) {
    const Asettelu& asettelu = frmMorvakAsettelu();
    alalaita_ = LuoSaatimet(asettelu, alue);
    Sijoita(alalaita_, malli_.Sijoittelu());
    lblOhje = static_cast<QLabel*>(alalaita_.at("lblOhje"));
    NaytaOhje(asettelu["lblOhje"].teksti);
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        auto* laivasto = static_cast<Kuvanimio*>(alalaita_.at(LaivastonKuva(puoli)));
        laivasto->AsetaPiirros([this, puoli](int leveys, int korkeus) {
            return malli_.Laivastokuva(puoli, leveys, korkeus);
        });
        laivastot_[static_cast<std::size_t>(puoli)] = laivasto;
    }
    for (const int i : {0, 1}) {
        cmdPainike[i] =
            static_cast<QPushButton*>(alalaita_.at("cmdPainike(" + std::to_string(i) + ")"));
        connect(cmdPainike[i], &QPushButton::clicked, this,
                [this, i] { malli_.Tapahtuu(KomentoValittu{Painikekomento(i)}); });
    }
}

void frmMorvak::NaytaOhje(const std::string& ohje) {
    const QString teksti = QString::fromStdString(ohje);
    // A streak of a hundred wins makes the win text wider than its line;
    // narrower letters keep it whole.
    const auto kavennettu = [&](int venytys) {
        QFont kirjasin = lblOhje->font();
        kirjasin.setStretch(venytys < 100 ? venytys : QFont::AnyStretch);
        return kirjasin;
    };
    const int venytys = Kavennus(
        [&](int kokeiltu) { return QFontMetrics(kavennettu(kokeiltu)).horizontalAdvance(teksti); },
        lblOhje->width());
    Venyta(lblOhje, venytys);
    // The label tells assistive technology of its new name itself.
    lblOhje->setText(teksti);
}

void frmMorvak::closeEvent(QCloseEvent* tapahtuma) {
    malli_.Tapahtuu(SulkemisPyynto{Sulkutapa::Sulkuruutu});
    tapahtuma->setAccepted(malli_.Loppunut());
}

void frmMorvak::Lopeta() {
    // Whatever the rules were waiting for ends with the program.
    ajastin_.stop();
    hide();
    QCoreApplication::exit(0);
}

void frmMorvak::keyPressEvent(QKeyEvent* tapahtuma) {
    const int nappain = tapahtuma->key();
    if (nappain == Qt::Key_Return || nappain == Qt::Key_Enter) {
        malli_.Tapahtuu(EnterPainettu{});
        return;
    }
    QMainWindow::keyPressEvent(tapahtuma);
}
