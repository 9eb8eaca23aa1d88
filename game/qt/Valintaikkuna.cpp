#include "Valintaikkuna.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

#include "Twipit.h"

namespace {

bool LeveneeTekstinMukaan(const QWidget* saadin) {
    if (auto* nimio = qobject_cast<const QLabel*>(saadin)) {
        return !nimio->wordWrap();
    }
    return qobject_cast<const QCheckBox*>(saadin) || qobject_cast<const QRadioButton*>(saadin);
}

}  // namespace

Valintaikkuna::Valintaikkuna(QWidget* parent, const QString& otsikko, int leveysTwipeina,
                             int korkeusTwipeina)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(otsikko);
    setFixedSize(Twipeista(leveysTwipeina), Twipeista(korkeusTwipeina));
}

void Valintaikkuna::Sijoita(QWidget* saadin, int vasen, int yla, int leveys, int korkeus) {
    QRect alue = TwipeistaAlue(vasen, yla, leveys, korkeus);
    if (LeveneeTekstinMukaan(saadin) && saadin->parentWidget()) {
        const int tilaa = saadin->parentWidget()->width() - alue.left() - 2;
        alue.setWidth(std::max(alue.width(), std::min(saadin->sizeHint().width(), tilaa)));
    }
    saadin->setGeometry(alue);
}

void Valintaikkuna::AsetaPainikkeet(QPushButton* oletus, QPushButton* peruutus) {
    oletus->setDefault(true);
    peruutus_ = peruutus;
}

void Valintaikkuna::AsetaSarkainjarjestys(std::initializer_list<QWidget*> saatimet) {
    QWidget* edellinen = nullptr;
    for (QWidget* saadin : saatimet) {
        if (edellinen) {
            QWidget::setTabOrder(edellinen, saadin);
        }
        edellinen = saadin;
    }
}

bool Valintaikkuna::event(QEvent* tapahtuma) {
    if (tapahtuma->type() == QEvent::WindowActivate) {
        AsetaNaytonOsoitin(Osoitin::Oletus);
    }
    return QDialog::event(tapahtuma);
}

void Valintaikkuna::keyPressEvent(QKeyEvent* tapahtuma) {
    if (tapahtuma->key() == Qt::Key_Escape && tapahtuma->modifiers() == Qt::NoModifier &&
        peruutus_) {
        if (peruutus_->isEnabled()) {
            peruutus_->click();
        }
        tapahtuma->accept();
        return;
    }
    QDialog::keyPressEvent(tapahtuma);
}

void Valintaikkuna::showEvent(QShowEvent* tapahtuma) {
    QDialog::showEvent(tapahtuma);
    if (QScreen* naytto = screen()) {
        QRect kehys = frameGeometry();
        kehys.moveCenter(naytto->availableGeometry().center());
        move(kehys.topLeft());
    }
}
