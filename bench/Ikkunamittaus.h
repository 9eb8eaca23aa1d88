#pragma once

// What the benchmarks of the real main window share: processor time, waiting
// on the event loop, finding a square, and running the benchmarks in an
// application set up as the game's own.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "qt/Kuvaruutu.h"
#include "qt/Sovellus.h"
#include "qt/frmMorvak.h"

// Seconds of processor time this process has used, user and system.
inline double Prosessoriaika() {
    rusage kaytto{};
    getrusage(RUSAGE_SELF, &kaytto);
    const auto sekunnit = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return sekunnit(kaytto.ru_utime) + sekunnit(kaytto.ru_stime);
}

inline double Sekunteina(const QElapsedTimer& kello) {
    return static_cast<double>(kello.nsecsElapsed()) / 1e9;
}

inline void Odota(int ms) {
    QEventLoop silmukka;
    QTimer::singleShot(ms, Qt::PreciseTimer, &silmukka, &QEventLoop::quit);
    silmukka.exec();
}

// A click returns at once; the computer's pause and a sinking run on the
// event loop until the game's own state says they are over.
inline void OdotaKunnes(const std::function<bool()>& valmis) {
    while (!valmis()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The player may shoot again, or the game is over.
inline bool VuoroPalannut(frmMorvak& ikkuna) {
    const Pelitila& t = ikkuna.Tila();
    return !t.TauonLoppu && !t.Uppoamassa && (t.PelaajanVuoro || !t.PeliKaynnissa);
}

inline Kuvaruutu* Ruutu(frmMorvak& ikkuna, const char* ruudukko, int n) {
    return ikkuna.findChild<Kuvaruutu*>(QString("%1(%2)").arg(ruudukko).arg(n));
}

// Ships in fleet order, all with the left button: the five longest from the
// left edge on every other row, a gunboat and the submarines further right.
inline void SijoitaLaivasto(frmMorvak& ikkuna) {
    for (int n : {1, 21, 41, 61, 81, 8, 28, 48, 68, 88})
        QTest::mouseClick(Ruutu(ikkuna, "imgPelaaja", n), Qt::LeftButton);
}

// Answers the end-of-game box as soon as it is up, and then stops looking.
inline void VastaaLoppuun() {
    QTimer::singleShot(20, [] {
        if (QWidget* ruutu = QApplication::activeModalWidget()) {
            ruutu->close();
        } else {
            VastaaLoppuun();
        }
    });
}

// A game to its end: the player hits every ship, or shoots only water, and
// then ship squares all but the last, until the computer has sunk every ship
// of the player's.
inline void PelaaLoppuun(frmMorvak& ikkuna, bool voitto) {
    ikkuna.Malli().Saannot().TauonPituus = std::chrono::milliseconds(0);
    SijoitaLaivasto(ikkuna);
    std::vector<int> maalit;
    for (int n = 1; n <= 100; ++n)
        if ((ikkuna.Tila().KoneenRuudut[n] == Sana::laiva) == voitto) maalit.push_back(n);
    for (int n = 1; n <= 100 && !voitto; ++n)
        if (ikkuna.Tila().KoneenRuudut[n] == Sana::laiva) maalit.push_back(n);
    bool vastaaja = false;
    for (const int n : maalit) {
        if (!ikkuna.Tila().PeliKaynnissa) break;
        const bool viimeinen =
            ikkuna.Tila().PelaajanOsumat == 19 || ikkuna.Tila().KoneenOsumat == 19;
        if (viimeinen && !vastaaja) VastaaLoppuun();
        vastaaja |= viimeinen;
        QTest::mouseClick(Ruutu(ikkuna, "imgKone", n), Qt::LeftButton);
        OdotaKunnes([&] { return VuoroPalannut(ikkuna); });
    }
}

inline int AjaMittaukset(int argc, char** argv) {
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
