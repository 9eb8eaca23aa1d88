// Random play against the real main window: every mouse button on both grids
// in every phase, the menus and their keys, every box and dialog answered at
// random, and the game checked after each event.
//
// MORVAK_MONKEY_EVENTS sets a longer run (the games grow with it) and
// MORVAK_MONKEY_SEED another seed. The default seed is fixed so that a red run
// can be repeated; exploring takes a seed of your own.

#include <QTest>
#include <cstdlib>

#include "qt/Sovellus.h"
#include "tests/monkey/Apina.h"
#include "tests/qt/KirjaavaAvaaja.h"
#include "tests/store/Testipesa.h"

namespace {

QtMessageHandler testinKasittelija = nullptr;

// The offscreen platform says so for every window the run opens.
void OhitaAlustanHuomautukset(QtMsgType laji, const QMessageLogContext& paikka,
                              const QString& viesti) {
    if (viesti.startsWith("This plugin does not support")) return;
    testinKasittelija(laji, paikka, viesti);
}

constexpr long TAPAHTUMIA = 50000;
constexpr int PELEJA = 200;
constexpr long OLETUSSIEMEN = 20261207;

long Ymparistosta(const char* nimi, long oletus) {
    const char* arvo = std::getenv(nimi);
    return arvo && *arvo ? std::strtol(arvo, nullptr, 10) : oletus;
}

}  // namespace

class Apinapeli_test : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        ValmisteleSovellus(*qobject_cast<QApplication*>(qApp));
        testinKasittelija = qInstallMessageHandler(OhitaAlustanHuomautukset);
    }

    void randomPlayKeepsEveryRuleOfTheGame() {
        Testipesa pesa;
        KirjaavaAvaaja avaaja;
        const long tapahtumia = Ymparistosta("MORVAK_MONKEY_EVENTS", TAPAHTUMIA);
        const int peleja = static_cast<int>(PELEJA * tapahtumia / TAPAHTUMIA);
        const auto siemen =
            static_cast<std::uint64_t>(Ymparistosta("MORVAK_MONKEY_SEED", OLETUSSIEMEN));
        qInfo("seed %llu", static_cast<unsigned long long>(siemen));

        Apina apina(siemen);
        apina.Aja(tapahtumia, peleja);
        qInfo("%ld events, %d games ended (%d won, %d lost), %d names entered, %zu shell opens",
              apina.Tapahtumia(), apina.Paattyneita(), apina.Voittoja(), apina.Haviota(),
              apina.NimiaListalle(), avaaja.avaukset.size());
        if (!apina.Virhe().empty()) qInfo("%s", apina.Virhe().c_str());
        QVERIFY2(apina.Virhe().empty(), "a rule of the game broke; see the events above");
        QVERIFY(apina.Tapahtumia() >= tapahtumia);
        QVERIFY(apina.Paattyneita() >= peleja);
        QVERIFY(apina.Voittoja() > 0);
        QVERIFY(apina.NimiaListalle() > 0);
    }
};

QTEST_MAIN(Apinapeli_test)
#include "Apinapeli_test.moc"
