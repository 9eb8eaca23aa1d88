#include "qt/Viestilaatikot.h"

#include <QMessageBox>
#include <QPushButton>

#include "rules/Tekstit.h"

namespace {

QMessageBox::Icon Ikoni(Kuvake kuvake) {
    switch (kuvake) {
        case Kuvake::Tieto:
            return QMessageBox::Information;
        case Kuvake::Kysymys:
            return QMessageBox::Question;
        case Kuvake::Huutomerkki:
            return QMessageBox::Warning;
        case Kuvake::Ei:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void NaytaViesti(QWidget* omistaja, const QString& otsikko, const QString& sisalto, Kuvake kuvake) {
    QMessageBox viesti(Ikoni(kuvake), otsikko, sisalto, QMessageBox::Ok, omistaja);
    viesti.setTextFormat(Qt::PlainText);
    viesti.button(QMessageBox::Ok)->setText(teksti::OK);
    viesti.exec();
}

bool KysyVahvistus(QWidget* omistaja, const QString& otsikko, const QString& sisalto) {
    QMessageBox kysymys(QMessageBox::Question, otsikko, sisalto, QMessageBox::Yes | QMessageBox::No,
                        omistaja);
    kysymys.setTextFormat(Qt::PlainText);
    kysymys.button(QMessageBox::Yes)->setText(teksti::KYLLA);
    kysymys.button(QMessageBox::No)->setText(teksti::EI);
    kysymys.setDefaultButton(QMessageBox::No);
    return kysymys.exec() == QMessageBox::Yes;
}
