#include "remover/frmMorvakPoisto.h"

#ifdef _WIN32

int main() { frmMorvakPoisto().Form_Load(); }

#else

#include <QApplication>

// The program ends as soon as the box is closed: no event loop of its own.
int main(int argc, char** argv) {
    QApplication sovellus(argc, argv);
    frmMorvakPoisto().Form_Load();
}

#endif
