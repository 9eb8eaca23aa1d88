#include "qt/Sormikursori.h"

#include <QPixmap>

#include "qt/Pikselikuvat.h"
#include "rules/pictures/Sormikursori.h"

QCursor Sormikursori() {
    const piirros::Kursorikuva kasi = piirros::Sormikursori();
    return QCursor(QPixmap::fromImage(Kuvana(kasi.kuva)), kasi.karkiX, kasi.karkiY);
}
