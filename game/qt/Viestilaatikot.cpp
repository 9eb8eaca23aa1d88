#include "qt/Viestilaatikot.h"

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

// In the order of Vastaus.
constexpr QMessageBox::StandardButton PAINIKKEET[] = {QMessageBox::Ok, QMessageBox::Yes,
                                                      QMessageBox::No};
QMessageBox::StandardButton Painike(Laatikonmalli::Vastaus vastaus) {
    return PAINIKKEET[static_cast<int>(vastaus)];
}

}  // namespace

QMessageBox* Viestilaatikko(QWidget* omistaja, const QString& otsikko, const QString& sisalto,
                            const Laatikonmalli& malli) {
    QMessageBox::StandardButtons painikkeet;
    for (const Laatikonmalli::Painike& painike : malli.painikkeet)
        painikkeet |= Painike(painike.vastaus);
    auto* laatikko = new QMessageBox(Ikoni(malli.kuvake), otsikko, sisalto, painikkeet, omistaja);
    laatikko->setTextFormat(Qt::PlainText);
    for (const auto& [vastaus, teksti] : malli.painikkeet)
        laatikko->button(Painike(vastaus))->setText(teksti);
    if (malli.oletus) laatikko->setDefaultButton(Painike(*malli.oletus));
    return laatikko;
}
