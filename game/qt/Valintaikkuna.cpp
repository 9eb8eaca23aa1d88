#include "qt/Valintaikkuna.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

#include "qt/Linkkinimio.h"
#include "qt/OhjelmanKuvake.h"
#include "qt/Twipit.h"

namespace {

QLabel* Nimio(const Saadin& saadin, QWidget* isanta) {
    auto* nimio = new QLabel(QString::fromStdString(saadin.teksti), isanta);
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

// One line of text that would be cut in a font wider than the one the table
// was measured in grows up to its container's edge instead.
bool LeveneeTekstinMukaan(const QWidget* saadin) {
    if (auto* nimio = qobject_cast<const QLabel*>(saadin)) return !nimio->wordWrap();
    return qobject_cast<const QCheckBox*>(saadin) || qobject_cast<const QRadioButton*>(saadin);
}

void Sijoita(QWidget* saadin, const Alue& alue) {
    QRect paikka = TwipeistaAlue(alue);
    if (LeveneeTekstinMukaan(saadin) && saadin->parentWidget()) {
        const int tilaa = saadin->parentWidget()->width() - paikka.left() - 2;
        paikka.setWidth(std::max(paikka.width(), std::min(saadin->sizeHint().width(), tilaa)));
    }
    saadin->setGeometry(paikka);
}

// A one-line text that does not fit its control in a font of other measures
// than the table's: a right-aligned one grows to the left, as far as the gap
// before it goes, and then any is set in narrower letters until it fits.
void Kavenna(QWidget* saadin) {
    auto* nimio = qobject_cast<QLabel*>(saadin);
    if (nimio && (nimio->alignment() & Qt::AlignRight)) {
        const int lisa = std::min(saadin->sizeHint().width() - saadin->width(), saadin->x());
        if (lisa > 0) saadin->setGeometry(saadin->geometry().adjusted(-lisa, 0, 0, 0));
    }
    QFont kirjasin = saadin->font();
    for (int venytys = 98; saadin->sizeHint().width() > saadin->width() && venytys >= 50;
         venytys -= 2) {
        kirjasin.setStretch(venytys);
        saadin->setFont(kirjasin);
    }
}

}  // namespace

Valintaikkuna::Valintaikkuna(QWidget* parent, const Asettelu& asettelu, Valintaikkunamalli& malli)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      malli_(malli) {
    setObjectName(QString::fromStdString(asettelu.nimi));
    setWindowTitle(QString::fromStdString(asettelu.otsikko));
    setFixedSize(Twipeista(asettelu.leveys), Twipeista(asettelu.korkeus));
    Luo(asettelu);
}

void Valintaikkuna::Luo(const Asettelu& asettelu) {
    for (const Saadin& saadin : asettelu.saatimet) {
        QWidget* isanta = saadin.isanta.empty() ? this : saatimet_.at(saadin.isanta);
        QWidget* uusi = LuoSaadin(saadin, isanta);
        uusi->setObjectName(QString::fromStdString(saadin.nimi));
        Sijoita(uusi, saadin.alue);
        saatimet_[saadin.nimi] = uusi;
    }
    for (std::size_t i = 1; i < asettelu.sarkainjarjestys.size(); ++i) {
        QWidget::setTabOrder(saatimet_.at(asettelu.sarkainjarjestys[i - 1]),
                             saatimet_.at(asettelu.sarkainjarjestys[i]));
    }
}

QWidget* Valintaikkuna::LuoSaadin(const Saadin& saadin, QWidget* isanta) {
    const QString teksti = QString::fromStdString(saadin.teksti);
    switch (saadin.laji) {
        case Laji::Kehys:
            return new QGroupBox(teksti, isanta);
        case Laji::Viiva:
            return Viiva(isanta);
        case Laji::Nimio:
            return Nimio(saadin, isanta);
        case Laji::Linkki:
            return new Linkkinimio(teksti, isanta);
        case Laji::Painike: {
            auto* painike = new QPushButton(teksti, isanta);
            if (saadin.tyyli & tyyli::OLETUS) painike->setDefault(true);
            if (saadin.tyyli & tyyli::PERUUTUS) peruutus_ = painike;
            return painike;
        }
        case Laji::Valintaruutu:
            return new QCheckBox(teksti, isanta);
        case Laji::Valintanappi:
            return new QRadioButton(teksti, isanta);
        case Laji::Tekstikentta:
            return new QLineEdit(teksti, isanta);
        case Laji::Kuvake:
            break;
    }
    return Ohjelmankuva(isanta);
}

void Valintaikkuna::SuljeJosPurettu(int tulos) {
    if (!malli_.Auki()) done(tulos);
}

bool Valintaikkuna::event(QEvent* tapahtuma) {
    if (tapahtuma->type() == QEvent::WindowActivate) malli_.Form_Activate();
    return QDialog::event(tapahtuma);
}

void Valintaikkuna::keyPressEvent(QKeyEvent* tapahtuma) {
    if (tapahtuma->key() == Qt::Key_Escape && tapahtuma->modifiers() == Qt::NoModifier) {
        if (peruutus_ && peruutus_->isEnabled()) peruutus_->click();
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

// The table gives a label of several lines the height its text takes in the
// font it was laid out for. In a font of other measures the text takes the
// height it needs: what lies below the label moves down as much, and the
// dialog grows with it, so no line is cut.
void Valintaikkuna::AnnaTilaaTeksteille() {
    for (auto& [nimi, saadin] : saatimet_) {
        auto* nimio = qobject_cast<QLabel*>(saadin);
        if (LeveneeTekstinMukaan(saadin) || qobject_cast<QPushButton*>(saadin)) Kavenna(saadin);
        if (!nimio || !nimio->wordWrap()) continue;
        const int lisa = nimio->heightForWidth(nimio->width()) - nimio->height();
        if (lisa <= 0) continue;
        const int alareuna = nimio->geometry().bottom();
        for (QWidget* muu :
             nimio->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (muu->y() > alareuna) muu->move(muu->x(), muu->y() + lisa);
        }
        nimio->resize(nimio->width(), nimio->height() + lisa);
        if (nimio->parentWidget() == this) setFixedHeight(height() + lisa);
    }
}

void Valintaikkuna::showEvent(QShowEvent* tapahtuma) {
    AnnaTilaaTeksteille();
    QDialog::showEvent(tapahtuma);
    if (QScreen* naytto = screen()) {
        QRect kehys = frameGeometry();
        kehys.moveCenter(naytto->availableGeometry().center());
        move(kehys.topLeft());
    }
}
