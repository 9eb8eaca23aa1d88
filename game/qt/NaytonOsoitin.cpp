#include "qt/NaytonOsoitin.h"

#include <QApplication>

void AsetaNaytonOsoitin(Osoitin osoitin) {
    if (osoitin == Osoitin::Oletus) {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    } else if (QApplication::overrideCursor()) {
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}
