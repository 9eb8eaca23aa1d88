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

QMessageBox* Viestilaatikko(QWidget* omistaja, const QString& otsikko, const QString& sisalto,
                            Kuvake kuvake) {
    auto* viesti = new QMessageBox(Ikoni(kuvake), otsikko, sisalto, QMessageBox::Ok, omistaja);
    viesti->setTextFormat(Qt::PlainText);
    viesti->button(QMessageBox::Ok)->setText(teksti::OK);
    return viesti;
}

QMessageBox* Vahvistuslaatikko(QWidget* omistaja, const QString& otsikko, const QString& sisalto) {
    auto* kysymys = new QMessageBox(QMessageBox::Question, otsikko, sisalto,
                                    QMessageBox::Yes | QMessageBox::No, omistaja);
    kysymys->setTextFormat(Qt::PlainText);
    kysymys->button(QMessageBox::Yes)->setText(teksti::KYLLA);
    kysymys->button(QMessageBox::No)->setText(teksti::EI);
    kysymys->setDefaultButton(QMessageBox::No);
    return kysymys;
}
