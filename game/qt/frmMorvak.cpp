#include "frmMorvak.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <utility>

#include "Kuvaruutu.h"
#include "Ruudut.h"
#include "Sormikursori.h"
#include "Twipit.h"
#include "mdlMorvak2.h"

namespace {

// Window heights with and without the bottom band; the frame, the caption and
// the menu bar took 645 of them.
constexpr int KORKEUS_PAINIKKEIN = 5745;
constexpr int KORKEUS_ILMAN_PAINIKKEITA = 4665;
constexpr int KEHYKSET_JA_VALIKKO = 645;
constexpr int LEVEYS = 7710;

constexpr int PELAAJAN_RUUDUKKO_X = 120;
constexpr int KONEEN_RUUDUKKO_X = 3960;
constexpr int RUUDUKKO_Y = 240;
// Squares are 375 wide but 360 apart: neighbours share their border line.
constexpr int RUUTUVALI = 360;

QPoint Ruudunpaikka(int ruudukonX, int ruutu) {
    return {Twipeista(ruudukonX + (Sarake(ruutu) - 1) * RUUTUVALI),
            Twipeista(RUUDUKKO_Y + Rivi(ruutu) * RUUTUVALI)};
}

}  // namespace

frmMorvak::frmMorvak(Satunnaisluvut arpa, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      arpa_(std::move(arpa)),
      peli_(tila_, *this, arpa_),
      sormikursori_(Sormikursori()) {
    setObjectName("frmMorvak");
    setWindowTitle("Morvak");
    auto* alue = new QWidget(this);
    alue->setFixedSize(Twipeista(LEVEYS), Twipeista(KORKEUS_PAINIKKEIN - KEHYKSET_JA_VALIKKO));
    setCentralWidget(alue);
    LuoAlalaita(alue);
    LuoRuudukot(alue);
    LuoValikot();
    // The window takes exactly the size of the menu bar and the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    tmrAjastin.setInterval(10);
    connect(&tmrAjastin, &QTimer::timeout, this, &frmMorvak::tmrAjastin_Timer);
    tmrAjastin.start();
    Form_Load();
}

void frmMorvak::LuoRuudukot(QWidget* alue) {
    for (int n = 1; n <= RUUTUJA; ++n) {
        imgPelaaja[n] = new Kuvaruutu(alue);
        imgPelaaja[n]->setObjectName(QString("imgPelaaja(%1)").arg(n));
        imgPelaaja[n]->move(Ruudunpaikka(PELAAJAN_RUUDUKKO_X, n));
        connect(imgPelaaja[n], &Kuvaruutu::MouseUp, this,
                [this, n](int painike) { peli_.imgPelaaja_MouseUp(n, painike); });
    }
    for (int n = 1; n <= RUUTUJA; ++n) {
        imgKone[n] = new Kuvaruutu(alue);
        imgKone[n]->setObjectName(QString("imgKone(%1)").arg(n));
        imgKone[n]->move(Ruudunpaikka(KONEEN_RUUDUKKO_X, n));
        connect(imgKone[n], &Kuvaruutu::Click, this, [this, n] { peli_.imgKone_Click(n); });
    }
}

void frmMorvak::LuoAlalaita(QWidget* alue) {
    fraOhje = new QGroupBox("Toimintaohje", alue);
    fraOhje->setObjectName("fraOhje");
    fraOhje->setGeometry(TwipeistaAlue(120, 4080, 6015, 855));
    lblOhje = new QLabel(fraOhje);
    lblOhje->setObjectName("lblOhje");
    lblOhje->setGeometry(TwipeistaAlue(240, 360, 5535, 255));
    NaytaOhje("Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.");

    cmdPainike[1] = new QPushButton("&Lopeta", alue);
    cmdPainike[1]->setGeometry(TwipeistaAlue(6360, 4560, 1215, 375));
    cmdPainike[0] = new QPushButton("&Uusi peli", alue);
    cmdPainike[0]->setGeometry(TwipeistaAlue(6360, 4080, 1215, 375));
    cmdPainike[0]->setDefault(true);
    for (int i = 0; i < 2; ++i) {
        cmdPainike[i]->setObjectName(QString("cmdPainike(%1)").arg(i));
        // Enter on a focused button presses that button, as in any window.
        cmdPainike[i]->setAutoDefault(true);
        connect(cmdPainike[i], &QPushButton::clicked, this, [this, i] { cmdPainike_Click(i); });
    }
    setTabOrder(cmdPainike[0], cmdPainike[1]);

    fraKehysviiva = new QFrame(alue);
    fraKehysviiva->setObjectName("fraKehysviiva");
    fraKehysviiva->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    fraKehysviiva->setGeometry(TwipeistaAlue(-240, 0, 8775, 35));
}

void frmMorvak::Form_Load() {
    LueNakymavalinta("NaytaPainikkeet", mNaytaPainikkeet);
    LueNakymavalinta("NaytaMahdottomatLaivaruudut", mNaytaMahdottomatLaivaruudut);
    NaytaAlalaita(mNaytaPainikkeet->isChecked());
    // The layout was drawn for 96 and 120 dots per inch; a forced font
    // density can make the captions outgrow their controls.
    const int tiheys = logicalDpiY();
    if (tiheys != 96 && tiheys != 120) {
        Ilmoita("Tiedoksi",
                "Ohjelman ulkoasussa saattaa esiintyä puutteita\nkäyttämilläsi näytön asetuksilla.",
                Kuvake::Tieto);
    }
    peli_.AloitaOhjelma();
}

void frmMorvak::LueNakymavalinta(const char* nimi, QAction* valinta) {
    const std::string arvo = LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
    // A missing value means the option is on; any other text is ignored.
    if (arvo == "True" || arvo == EI_LOYTYNYT) {
        valinta->setChecked(true);
    } else if (arvo == "False") {
        valinta->setChecked(false);
    }
}

void frmMorvak::NaytaAlalaita(bool nayta) {
    const int korkeus = nayta ? KORKEUS_PAINIKKEIN : KORKEUS_ILMAN_PAINIKKEITA;
    // Without the band the client area ends above it, cutting off the
    // instruction frame and both buttons.
    centralWidget()->setFixedHeight(Twipeista(korkeus - KEHYKSET_JA_VALIKKO));
    layout()->activate();
}

void frmMorvak::NaytaOhje(const std::string& ohje) {
    ohje_ = ohje;
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
    lblOhje->setText(teksti);
}

void frmMorvak::AsetaKaytossa(bool kaytossa) {
    // Only real changes reach the widgets: the timer ticks a hundred times a
    // second and an idle game must cost next to nothing.
    for (QPushButton* painike : cmdPainike) {
        if (painike->isEnabledTo(painike->parentWidget()) != kaytossa)
            painike->setEnabled(kaytossa);
    }
    if (mUusiPeli->isEnabled() != kaytossa) mUusiPeli->setEnabled(kaytossa);
}

void frmMorvak::tmrAjastin_Timer() {
    const Ajastintila tilanne = peli_.tmrAjastin_Timer();
    if (tilanne.ohje != ohje_) NaytaOhje(tilanne.ohje);
    AsetaKaytossa(tilanne.UusiPeliKaytossa);
    if (tauko_) {
        tikkiTauonAikana_ = true;
        PaataTaukoJosValmis();
    }
}

void frmMorvak::mUusiPeli_Click() { peli_.mUusiPeli_Click(); }

void frmMorvak::cmdPainike_Click(int Index) {
    // Hidden buttons still take their access keys; only visible ones act.
    if (!mNaytaPainikkeet->isChecked()) return;
    if (Index == 0) {
        mUusiPeli_Click();
    } else {
        mLopeta_Click();
    }
}

void frmMorvak::mNaytaPainikkeet_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    // The menu has already moved the check mark; its new state decides.
    const bool nayta = mNaytaPainikkeet->isChecked();
    for (QPushButton* painike : cmdPainike) painike->setEnabled(nayta);
    NaytaAlalaita(nayta);
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ,
                        nayta ? "True" : "False");
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mNaytaMahdottomatLaivaruudut_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    const bool nayta = mNaytaMahdottomatLaivaruudut->isChecked();
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaMahdottomatLaivaruudut", REG_SZ,
                        nayta ? "True" : "False");
    peli_.NaytaEpakelvotRuudut(nayta);
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mLopeta_Click() {
    if (peli_.VahvistaLopetus()) Lopeta();
}

void frmMorvak::closeEvent(QCloseEvent* tapahtuma) {
    if (!lopetetaan_ && !peli_.VahvistaLopetus()) {
        tapahtuma->ignore();
        return;
    }
    Lopeta();
    tapahtuma->accept();
}

void frmMorvak::Lopeta() {
    lopetetaan_ = true;
    // A pause in progress ends now and tells its shot not to go on.
    if (tauko_) tauko_->quit();
    hide();
    QCoreApplication::exit(0);
}

void frmMorvak::keyPressEvent(QKeyEvent* tapahtuma) {
    // Enter that no focused button took belongs to the default button.
    if (tapahtuma->key() == Qt::Key_Return || tapahtuma->key() == Qt::Key_Enter) {
        cmdPainike[0]->click();
        return;
    }
    QMainWindow::keyPressEvent(tapahtuma);
}
