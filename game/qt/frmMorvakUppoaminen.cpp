#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <utility>

#include "qt/Kuvaruutu.h"
#include "qt/frmMorvak.h"

namespace {

// About sixty frames a second.
constexpr std::chrono::milliseconds KUVAVALI{16};

}  // namespace

// The sinking waits in an event loop of its own, as the pause does, so the
// window repaints and the menus answer. Its frame timer lives only as long
// as the sinking.
bool frmMorvak::NaytaUppoaminen(Puoli ruudukko, const std::vector<int>& ruudut) {
    if (lopetetaan_) return false;
    std::vector<Kuvaruutu*> uppoavat;
    for (const int ruutu : ruudut) uppoavat.push_back(Ruutu(ruudukko, ruutu));
    const auto nayta = [&](std::optional<double> pinta) {
        for (Kuvaruutu* uppoava : uppoavat) uppoava->AsetaVedenpinta(pinta);
    };

    nayta(0.0);
    QEventLoop silmukka;
    QEventLoop* edellinen = std::exchange(tauko_, &silmukka);
    QElapsedTimer kello;
    QTimer kuvat(this);
    kuvat.setTimerType(Qt::PreciseTimer);
    connect(&kuvat, &QTimer::timeout, &silmukka, [&] {
        const std::chrono::milliseconds kulunut(kello.elapsed());
        if (kulunut >= uppoamisenKesto_) {
            silmukka.quit();
            return;
        }
        // A shortened sinking plays the whole curve in its own time.
        nayta(Vedenpinta(kulunut * UPPOAMISEN_KESTO.count() / uppoamisenKesto_.count()));
    });
    kello.start();
    kuvat.start(KUVAVALI);
    silmukka.exec();
    kuvat.stop();
    tauko_ = edellinen;
    nayta(std::nullopt);
    return !lopetetaan_;
}
