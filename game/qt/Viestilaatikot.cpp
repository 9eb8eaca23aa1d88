#include "Viestilaatikot.h"

#include <QMessageBox>
#include <QPushButton>

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

void NaytaViesti(QWidget* omistaja, const QString& otsikko, const QString& teksti, Kuvake kuvake) {
    QMessageBox viesti(Ikoni(kuvake), otsikko, teksti, QMessageBox::Ok, omistaja);
    viesti.button(QMessageBox::Ok)->setText("OK");
    viesti.exec();
}

bool KysyVahvistus(QWidget* omistaja, const QString& otsikko, const QString& teksti) {
    QMessageBox kysymys(QMessageBox::Question, otsikko, teksti, QMessageBox::Yes | QMessageBox::No,
                        omistaja);
    kysymys.button(QMessageBox::Yes)->setText("Kyllä");
    kysymys.button(QMessageBox::No)->setText("Ei");
    kysymys.setDefaultButton(QMessageBox::No);
    return kysymys.exec() == QMessageBox::Yes;
}
