#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "remover/Viestiruutu.h"

void NaytaViestiruutu(const char* teksti, const char* otsikko) {
    QMessageBox ruutu(QMessageBox::Warning, QString::fromUtf8(otsikko), QString::fromUtf8(teksti));
    // Set explicitly so that no installed translation can change the button.
    ruutu.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ruutu.exec();
}
