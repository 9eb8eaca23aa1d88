#pragma once

// Driving the main window as a player does: real clicks on the real squares,
// message boxes answered by pressing their real buttons.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <vector>

#include "qt/Kuvaruutu.h"
#include "qt/frmMorvak.h"
#include "tests/qt/Modaalinen.h"

// A generator that gives the same game every time, re-seeding included.
inline Satunnaisluvut Siemen(std::uint64_t siemen) {
    return Satunnaisluvut(siemen, [kello = std::uint64_t{0}]() mutable { return ++kello; });
}

inline Kuvaruutu* Pelaajan(frmMorvak& ikkuna, int ruutu) {
    return ikkuna.findChild<Kuvaruutu*>(QString("imgPelaaja(%1)").arg(ruutu));
}
inline Kuvaruutu* Koneen(frmMorvak& ikkuna, int ruutu) {
    return ikkuna.findChild<Kuvaruutu*>(QString("imgKone(%1)").arg(ruutu));
}
inline QLabel* Ohje(frmMorvak& ikkuna) { return ikkuna.findChild<QLabel*>("lblOhje"); }
inline QPushButton* Painike(frmMorvak& ikkuna, int i) {
    return ikkuna.findChild<QPushButton*>(QString("cmdPainike(%1)").arg(i));
}
inline QAction* Komento(frmMorvak& ikkuna, const char* nimi) {
    return ikkuna.findChild<QAction*>(nimi);
}

// Whether the square shows the pointing hand rather than the default pointer.
inline bool Sormi(QWidget* ruutu) {
    return ruutu->testAttribute(Qt::WA_SetCursor) && ruutu->cursor().shape() == Qt::BitmapCursor;
}

// One legal fleet laid with all three buttons; each step is one ship.
struct Sijoitus {
    int ruutu;
    Qt::MouseButton painike;
};
inline constexpr Sijoitus LAIVASTO[10] = {
    {8, Qt::LeftButton},     // carrier 8, 7, 6, 5
    {71, Qt::RightButton},   // cruiser 71, 81, 91
    {85, Qt::MiddleButton},  // cruiser 85, 75, 65
    {40, Qt::LeftButton},    // gunboat 40, 39
    {100, Qt::RightButton},  // gunboat 100, 90
    {22, Qt::LeftButton},    // gunboat 22, 23
    {1, Qt::LeftButton},    {44, Qt::RightButton}, {58, Qt::MiddleButton}, {93, Qt::LeftButton},
};

// Waits on the game's own state until what the last event set going, a
// sinking or the computer's pause and reply, and every box it opened, is
// over.
inline bool OdotaVuoro(frmMorvak& ikkuna) {
    return QTest::qWaitFor(
        [&] {
            return !ikkuna.Tila().TauonLoppu && !ikkuna.Tila().Uppoamassa &&
                   !ikkuna.Malli().Vastaamassa();
        },
        20000);
}

// Waits until the boxes and dialogs the last act opened have been answered.
inline bool Vastannut(frmMorvak& ikkuna) {
    return QTest::qWaitFor([&] { return !ikkuna.Malli().Vastaamassa(); }, 20000);
}

// After the program has ended: that told every event loop to stop, and
// message boxes would close unseen; a main loop run to its end clears that,
// and the hourglass of the way out goes.
inline void LoppuSelvitetty() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

// A click on the computer's square, and the turn it sets going played out.
inline bool Ammu(frmMorvak& ikkuna, int ruutu) {
    QTest::mouseClick(Koneen(ikkuna, ruutu), Qt::LeftButton);
    return OdotaVuoro(ikkuna);
}

inline void SijoitaLaivasto(frmMorvak& ikkuna) {
    for (const Sijoitus& s : LAIVASTO) QTest::mouseClick(Pelaajan(ikkuna, s.ruutu), s.painike);
}
