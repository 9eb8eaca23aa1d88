#include <QApplication>

#include "Sovellus.h"
#include "frmMorvak.h"

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    frmMorvak ikkuna;
    ikkuna.show();
    return QApplication::exec();
}
