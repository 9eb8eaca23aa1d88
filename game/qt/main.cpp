#include <QApplication>

#include "qt/Sovellus.h"
#include "qt/frmMorvak.h"

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    frmMorvak ikkuna;
    ikkuna.show();
    return QApplication::exec();
}
