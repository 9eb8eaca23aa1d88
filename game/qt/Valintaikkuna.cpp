#include "qt/Valintaikkuna.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "qt/Kuvanimio.h"
#include "qt/Linkkinimio.h"
#include "qt/OhjelmanKuvake.h"
#include "qt/Twipit.h"
#include "rules/Tekstinsovitus.h"

namespace {

QLabel* Nimio(const Saadin& saadin, QWidget* isanta) {
    auto* nimio = new QLabel(isanta);
    // Names come from players and the store: never markup.
    nimio->setTextFormat(Qt::PlainText);
    if (saadin.tyyli & tyyli::MONIRIVINEN) {
        nimio->setWordWrap(true);
        nimio->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if (saadin.tyyli & tyyli::OIKEALLE) nimio->setAlignment(Qt::AlignRight | Qt::AlignTop);
    if (saadin.tyyli & tyyli::LIHAVA) {
        QFont lihava = nimio->font();
        lihava.setBold(true);
        nimio->setFont(lihava);
    }
    return nimio;
}

QFrame* Viiva(QWidget* isanta) {
    auto* viiva = new QFrame(isanta);
    viiva->setFrameShape(QFrame::HLine);
    viiva->setFrameShadow(QFrame::Sunken);
    return viiva;
}

QLabel* Ohjelmankuva(QWidget* isanta) {
    auto* kuvake = new QLabel(isanta);
    kuvake->setPixmap(OhjelmanKuvake().pixmap(32, 32));
    return kuvake;
}

// Each control already shows its text: it is measured as it stands.
class Kirjasinmittari : public Mittari {
  public:
    explicit Kirjasinmittari(const std::map<std::string, QWidget*>& saatimet)
        : saatimet_(saatimet) {}

    int Leveys(const Saadin& saadin, const std::string&, int venytys) const override {
        QWidget* mitattava = saatimet_.at(saadin.nimi);
        Venyta(mitattava, venytys);
        return Twipeiksi(mitattava->sizeHint().width());
    }
    int Korkeus(const Saadin& saadin, const std::string&, int leveys) const override {
        return Twipeiksi(saatimet_.at(saadin.nimi)->heightForWidth(Twipeista(leveys)));
    }

  private:
    const std::map<std::string, QWidget*>& saatimet_;
};

QWidget* Luo(const Saadin& saadin, QWidget* isanta) {
    switch (saadin.laji) {
        case Laji::Kehys:
            return new QGroupBox(isanta);
        case Laji::Viiva:
            return Viiva(isanta);
        case Laji::Nimio:
            return Nimio(saadin, isanta);
        case Laji::Linkki:
            return new Linkkinimio(isanta);
        case Laji::Painike: {
            auto* painike = new QPushButton(isanta);
            painike->setDefault(saadin.tyyli & tyyli::OLETUS);
            // Enter on a focused button presses that button, in a dialog or not.
            painike->setAutoDefault(true);
            return painike;
        }
        case Laji::Valintaruutu:
            return new QCheckBox(isanta);
        case Laji::Valintanappi:
            return new QRadioButton(isanta);
        case Laji::Tekstikentta:
            return new QLineEdit(isanta);
        case Laji::Kuva:
            return new Kuvanimio(isanta);
        case Laji::Kuvake:
            break;
    }
    return Ohjelmankuva(isanta);
}

}  // namespace

void Venyta(QWidget* saadin, int venytys) {
    QFont kirjasin = saadin->font();
    kirjasin.setStretch(venytys < 100 ? venytys : QFont::AnyStretch);
    saadin->setFont(kirjasin);
}

Saatimet LuoSaatimet(const Asettelu& asettelu, QWidget* ikkuna) {
    Saatimet saatimet;
    for (const Saadin& saadin : asettelu.saatimet) {
        QWidget* uusi = Luo(saadin, saadin.isanta.empty() ? ikkuna : saatimet.at(saadin.isanta));
        uusi->setObjectName(QString::fromStdString(saadin.nimi));
        saatimet[saadin.nimi] = uusi;
        AsetaTeksti(saadin, uusi, QString::fromStdString(saadin.teksti));
    }
    // A label's access key takes the keyboard to the control after it.
    for (std::size_t i = 0; i + 1 < asettelu.saatimet.size(); ++i) {
        if (asettelu.saatimet[i].tyyli & tyyli::AVAIN)
            static_cast<QLabel*>(saatimet.at(asettelu.saatimet[i].nimi))
                ->setBuddy(saatimet.at(asettelu.saatimet[i + 1].nimi));
    }
    for (std::size_t i = 1; i < asettelu.sarkainjarjestys.size(); ++i) {
        QWidget::setTabOrder(saatimet.at(asettelu.sarkainjarjestys[i - 1]),
                             saatimet.at(asettelu.sarkainjarjestys[i]));
    }
    return saatimet;
}

void AsetaTeksti(const Saadin& saadin, QWidget* kohde, const QString& teksti) {
    if (saadin.laji == Laji::Viiva || saadin.laji == Laji::Kuvake) return;
    // A picture's text is its name, and what it tells is drawn again with it.
    if (saadin.laji == Laji::Kuva) return static_cast<Kuvanimio*>(kohde)->Nayta(teksti);
    // A frame's caption is its title; every other control's is its text.
    const char* ominaisuus = saadin.laji == Laji::Kehys ? "title" : "text";
    if (kohde->property(ominaisuus).toString() != teksti) kohde->setProperty(ominaisuus, teksti);
}

void Sijoita(const Saatimet& saatimet, const Sovitus& sovitus) {
    for (const auto& [nimi, saadin] : saatimet) {
        saadin->setGeometry(TwipeistaAlue(sovitus[nimi].alue));
        Venyta(saadin, sovitus[nimi].venytys);
    }
}

Valintaikkuna::Valintaikkuna(Valintaikkunamalli& malli, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      malli_(malli),
      saatimet_(LuoSaatimet(malli.Taulukko(), this)) {
    const Asettelu& asettelu = malli.Taulukko();
    setObjectName(QString::fromStdString(asettelu.nimi));
    setWindowTitle(QString::fromStdString(asettelu.otsikko));
    for (const Saadin& saadin : asettelu.saatimet) {
        Kytke(saadin, saatimet_.at(saadin.nimi));
        if (saadin.laji != Laji::Tekstikentta) continue;
        if (const int pituus = malli_.Pituus(saadin.nimi))
            static_cast<QLineEdit*>(saatimet_.at(saadin.nimi))->setMaxLength(pituus);
    }
    Nayta();
    // Typing replaces a text box's whole text.
    for (QLineEdit* kentta : findChildren<QLineEdit*>()) kentta->selectAll();
    ensurePolished();
    Sovita();
    malli_.KunMuuttuu([this] { Toimittu(); });
}

Valintaikkuna::~Valintaikkuna() { malli_.KunMuuttuu({}); }

void Valintaikkuna::Kytke(const Saadin& kuvaus, QWidget* saadin) {
    const auto toimi = [this, nimi = kuvaus.nimi](bool valittu, const QString& teksti) {
        malli_.Toimi(nimi, valittu, teksti.toStdString());
        Toimittu();
    };
    if (auto* painike = qobject_cast<QAbstractButton*>(saadin))
        connect(painike, &QAbstractButton::clicked, this,
                [toimi](bool valittu) { toimi(valittu, {}); });
    if (auto* linkki = qobject_cast<Linkkinimio*>(saadin))
        connect(linkki, &Linkkinimio::Napsautettu, this, [toimi] { toimi(false, {}); });
    if (kuvaus.laji == Laji::Kuva) {
        static_cast<Kuvanimio*>(saadin)->AsetaPiirros(
            [this, nimi = kuvaus.nimi](int leveys, int korkeus) {
                return malli_.Kuva(nimi, leveys, korkeus);
            });
    }
    if (auto* kentta = qobject_cast<QLineEdit*>(saadin))
        connect(kentta, &QLineEdit::textEdited, this,
                [toimi](const QString& teksti) { toimi(false, teksti); });
}

void Valintaikkuna::Nayta() {
    for (const Saadin& kuvaus : malli_.Taulukko().saatimet) {
        const Nakyva nakyva = malli_.Nayta(kuvaus.nimi);
        QWidget* saadin = saatimet_.at(kuvaus.nimi);
        AsetaTeksti(kuvaus, saadin, QString::fromStdString(nakyva.teksti));
        // An option is selected, never deselected: selecting another of its
        // group deselects it.
        if (kuvaus.laji == Laji::Valintaruutu ||
            (kuvaus.laji == Laji::Valintanappi && nakyva.valittu))
            static_cast<QAbstractButton*>(saadin)->setChecked(nakyva.valittu);
        saadin->setEnabled(nakyva.kaytossa);
    }
}

void Valintaikkuna::Sovita() {
    const Sovitus sovitus = ::Sovita(malli_, Kirjasinmittari(saatimet_));
    ::Sijoita(saatimet_, sovitus);
    setFixedSize(Twipeista(sovitus.leveys), Twipeista(sovitus.korkeus));
}

void Valintaikkuna::Toimittu() {
    Nayta();
    if (!malli_.Auki()) done(malli_.Hyvaksytty() ? Accepted : Rejected);
}

bool Valintaikkuna::event(QEvent* tapahtuma) {
    if (tapahtuma->type() == QEvent::WindowActivate) malli_.Form_Activate();
    return QDialog::event(tapahtuma);
}

void Valintaikkuna::keyPressEvent(QKeyEvent* tapahtuma) {
    if (tapahtuma->key() == Qt::Key_Escape && tapahtuma->modifiers() == Qt::NoModifier) {
        malli_.Esc();
        Toimittu();
        tapahtuma->accept();
        return;
    }
    QDialog::keyPressEvent(tapahtuma);
}

// The close box unloads the dialog with whatever its model makes of that.
void Valintaikkuna::closeEvent(QCloseEvent* tapahtuma) {
    if (malli_.Auki()) malli_.Sulje();
    QDialog::closeEvent(tapahtuma);
}

void Valintaikkuna::showEvent(QShowEvent* tapahtuma) {
    QDialog::showEvent(tapahtuma);
    if (QScreen* naytto = screen()) {
        QRect kehys = frameGeometry();
        kehys.moveCenter(naytto->availableGeometry().center());
        move(kehys.topLeft());
    }
}
