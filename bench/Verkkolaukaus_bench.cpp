// A shot's round trip in a network game: from the shooter's click handed to
// its window's rules until the answer shows on its grid. Two real main
// windows in one application, each with its own transport and socket
// notifiers, over the loopback; offscreen, with a store of their own. Each
// pair plays until only the deciding hit is left, and new pairs follow until
// enough shots are timed.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

#include "bench/Ikkunamittaus.h"
#include "bench/Verkkoikkunat.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Hiirella.h"

namespace {

constexpr std::size_t LAUKAUKSIA = 1000;

// One pair's shots, each timed in nanoseconds.
void Pelaa(std::vector<double>& ajat) {
    VerkkoSilmukkaan();
    frmMorvak aino, ville;
    for (frmMorvak* ikkuna : {&aino, &ville}) {
        ikkuna->Tila().NaytetaanLaivojenUppoaminen = false;
        ikkuna->show();
    }
    Odottamaan(aino);
    Liittymaan(ville, "127.0.0.1");
    SijoitaKunVoi(aino);
    SijoitaKunVoi(ville);
    OdotaKunnes([&] { return Ampuu(aino) || Ampuu(ville); });
    for (;;) {
        frmMorvak& ampuja = Ampuu(aino) ? aino : ville;
        frmMorvak& kohde = &ampuja == &aino ? ville : aino;
        const auto maali = Maali(ampuja, &kohde);
        if (!maali) return;
        const Kuvaruutu* ruutu = Ruutu(ampuja, "imgKone", *maali);
        QElapsedTimer kello;
        kello.start();
        Napsauta(ampuja.Malli(), Puoli::Kone, *maali);
        OdotaKunnes([&] { return ruutu->kuva() != Kuva::Vesi; });
        ajat.push_back(static_cast<double>(kello.nsecsElapsed()));
        OdotaKunnes([&] { return Ampuu(aino) || Ampuu(ville); });
    }
}

double Persentiili(std::vector<double> ajat, double osuus) {
    const auto kohta = static_cast<std::size_t>(osuus * static_cast<double>(ajat.size() - 1));
    std::ranges::nth_element(ajat, ajat.begin() + static_cast<std::ptrdiff_t>(kohta));
    return ajat[kohta];
}

void BM_Laukauksen_kierros(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> ajat;
        int pareja = 0;
        for (; ajat.size() < LAUKAUKSIA; ++pareja) Pelaa(ajat);
        double yhteensa = 0;
        for (const double aika : ajat) yhteensa += aika;
        state.SetIterationTime(yhteensa / 1e9);
        state.counters["laukauksia"] = static_cast<double>(ajat.size());
        state.counters["pareja"] = pareja;
        state.counters["mediaani_us"] = Persentiili(ajat, 0.5) / 1e3;
        state.counters["p99_us"] = Persentiili(ajat, 0.99) / 1e3;
        state.counters["suurin_us"] = *std::ranges::max_element(ajat) / 1e3;
    }
}

}  // namespace

BENCHMARK(BM_Laukauksen_kierros)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    KuittaaIlmoitukset();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
