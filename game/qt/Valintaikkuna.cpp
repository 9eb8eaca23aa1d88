#include "qt/Valintaikkuna.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

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

void Venyta(QWidget* saadin, int venytys) {
    QFont kirjasin = saadin->font();
    kirjasin.setStretch(venytys < 100 ? venytys : QFont::AnyStretch);
    saadin->setFont(kirjasin);
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

template <class Tyyppi>
void AsetaTeksti(QWidget* saadin, const QString& teksti) {
    auto* kohde = static_cast<Tyyppi*>(saadin);
    if (kohde->text() != teksti) kohde->setText(teksti);
}

}  // namespace

Valintaikkuna::Valintaikkuna(Valintaikkunamalli& malli, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      malli_(malli) {
    const Asettelu& asettelu = malli.Taulukko();
    setObjectName(QString::fromStdString(asettelu.nimi));
    setWindowTitle(QString::fromStdString(asettelu.otsikko));
    for (const Saadin& saadin : asettelu.saatimet) {
        QWidget* isanta = saadin.isanta.empty() ? this : saatimet_.at(saadin.isanta);
        QWidget* uusi = LuoSaadin(saadin, isanta);
        uusi->setObjectName(QString::fromStdString(saadin.nimi));
        saatimet_[saadin.nimi] = uusi;
        Kytke(saadin, uusi);
    }
    // A label's access key takes the keyboard to the control after it.
    for (std::size_t i = 0; i + 1 < asettelu.saatimet.size(); ++i) {
        if (asettelu.saatimet[i].tyyli & tyyli::AVAIN)
            static_cast<QLabel*>(saatimet_.at(asettelu.saatimet[i].nimi))
                ->setBuddy(saatimet_.at(asettelu.saatimet[i + 1].nimi));
    }
    for (std::size_t i = 1; i < asettelu.sarkainjarjestys.size(); ++i) {
        QWidget::setTabOrder(saatimet_.at(asettelu.sarkainjarjestys[i - 1]),
                             saatimet_.at(asettelu.sarkainjarjestys[i]));
    }
    Nayta();
    // Typing replaces a text box's whole text.
    for (QLineEdit* kentta : findChildren<QLineEdit*>()) kentta->selectAll();
    ensurePolished();
    Sovita();
    malli_.KunMuuttuu([this] { Toimittu(); });
}

Valintaikkuna::~Valintaikkuna() { malli_.KunMuuttuu({}); }

QWidget* Valintaikkuna::LuoSaadin(const Saadin& saadin, QWidget* isanta) {
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
            return painike;
        }
        case Laji::Valintaruutu:
            return new QCheckBox(isanta);
        case Laji::Valintanappi:
            return new QRadioButton(isanta);
        case Laji::Tekstikentta: {
            auto* kentta = new QLineEdit(isanta);
            if (const int pituus = malli_.Pituus(saadin.nimi)) kentta->setMaxLength(pituus);
            return kentta;
        }
        case Laji::Kuvake:
            break;
    }
    return Ohjelmankuva(isanta);
}

void Valintaikkuna::Kytke(const Saadin& kuvaus, QWidget* saadin) {
    const std::string nimi = kuvaus.nimi;
    const auto napsautus = [this, nimi] {
        malli_.Napsauta(nimi);
        Toimittu();
    };
    switch (kuvaus.laji) {
        case Laji::Painike:
            connect(static_cast<QPushButton*>(saadin), &QPushButton::clicked, this, napsautus);
            break;
        case Laji::Linkki:
            connect(static_cast<Linkkinimio*>(saadin), &Linkkinimio::Napsautettu, this, napsautus);
            break;
        case Laji::Valintaruutu:
        case Laji::Valintanappi:
            connect(static_cast<QAbstractButton*>(saadin), &QAbstractButton::clicked, this,
                    [this, nimi](bool valittu) {
                        malli_.Valitse(nimi, valittu);
                        Toimittu();
                    });
            break;
        case Laji::Tekstikentta:
            connect(static_cast<QLineEdit*>(saadin), &QLineEdit::textEdited, this,
                    [this, nimi](const QString& teksti) {
                        malli_.Muuta(nimi, teksti.toStdString());
                        Toimittu();
                    });
            break;
        default:
            break;
    }
}

void Valintaikkuna::Nayta() {
    for (const Saadin& kuvaus : malli_.Taulukko().saatimet) {
        const Nakyva nakyva = malli_.Nayta(kuvaus.nimi);
        const QString teksti = QString::fromStdString(nakyva.teksti);
        QWidget* saadin = saatimet_.at(kuvaus.nimi);
        switch (kuvaus.laji) {
            case Laji::Kehys:
                static_cast<QGroupBox*>(saadin)->setTitle(teksti);
                break;
            case Laji::Nimio:
            case Laji::Linkki:
                AsetaTeksti<QLabel>(saadin, teksti);
                break;
            case Laji::Painike:
            case Laji::Valintaruutu:
            case Laji::Valintanappi:
                AsetaTeksti<QAbstractButton>(saadin, teksti);
                // An option is selected, never deselected: selecting another
                // of its group deselects it.
                if (kuvaus.laji == Laji::Valintaruutu || nakyva.valittu)
                    static_cast<QAbstractButton*>(saadin)->setChecked(nakyva.valittu);
                break;
            case Laji::Tekstikentta:
                AsetaTeksti<QLineEdit>(saadin, teksti);
                break;
            case Laji::Viiva:
            case Laji::Kuvake:
                break;
        }
        saadin->setEnabled(nakyva.kaytossa);
    }
}

void Valintaikkuna::Sovita() {
    const Sovitus sovitus = ::Sovita(malli_, Kirjasinmittari(saatimet_));
    for (const auto& [nimi, saadin] : saatimet_) {
        saadin->setGeometry(TwipeistaAlue(sovitus[nimi].alue));
        Venyta(saadin, sovitus[nimi].venytys);
    }
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
