#pragma once

// What the benchmarks of the real main window share: processor time, waiting
// on the event loop, finding a square, and running the benchmarks in an
// application set up as the game's own.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "Kuvaruutu.h"
#include "Sovellus.h"
#include "frmMorvak.h"

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

inline Kuvaruutu* Ruutu(frmMorvak& ikkuna, const char* ruudukko, int n) {
    return ikkuna.findChild<Kuvaruutu*>(QString("%1(%2)").arg(ruudukko).arg(n));
}

inline int AjaMittaukset(int argc, char** argv) {
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
