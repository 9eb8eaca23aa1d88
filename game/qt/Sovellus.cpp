#include "qt/Sovellus.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "qt/OhjelmanKuvake.h"

void ValmisteleSovellus(QApplication& sovellus) {
    auto* kaannos = new QTranslator(&sovellus);
    if (kaannos->load("qtbase_fi", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(kaannos);

    // The layouts give every caption the room an 8-point font of Arial's
    // proportions needs at 96 dots per inch.
    QFont kirjasin;
    kirjasin.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica"});
    kirjasin.setPixelSize(11);
    QApplication::setFont(kirjasin);

    QApplication::setWindowIcon(OhjelmanKuvake());
    // X11 desktops match the window to its menu entry by the window's class,
    // which Qt takes from this name.
    QApplication::setApplicationName("Morvak");
    // Wayland desktops match the window to its menu entry and icon by this.
    QApplication::setDesktopFileName("fi.relvano.Morvak");
}
