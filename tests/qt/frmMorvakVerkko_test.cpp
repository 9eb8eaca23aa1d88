// The Qt face's part of the network game: the sockets watched on its own
// event loop, each readiness handed through the rules' entry point to the
// transport, and the transport gone with the window.

#include <QSocketNotifier>
#include <memory>
#include <string>
#include <vector>

#include "qt/Soketinvalvonta.h"
#include "qt/Sovellus.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Vapaaportti.h"
#include "tests/support/Verkkotapahtumat.h"

namespace {

using Tapahtumat = std::vector<std::string>;

// The other player's program, watched as the window watches its own.
struct Vastapuoli {
    QObject isanta;
    Verkkokuulija kuulija;
    Soketinvalvonta valvonta{isanta, [this](const Tapahtuma& tapahtuma) {
                                 verkko.SokettiValmis(std::get<SokettiValmis>(tapahtuma).kahva);
                             }};
    Verkkoyhteys verkko{valvonta, kuulija.Kohde()};
};

// Write readiness is asked only while something waits to go.
int Kirjoitusvalvontoja(const QObject& isanta) {
    int maara = 0;
    for (const QSocketNotifier* ilmoitin : isanta.findChildren<QSocketNotifier*>())
        if (ilmoitin->type() == QSocketNotifier::Write && ilmoitin->isEnabled()) ++maara;
    return maara;
}

}  // namespace

class frmMorvakVerkko_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    // The window's own loop sees its connection made, which it watched for
    // as write readiness; a line then goes out and the other side's loop
    // takes it.
    void aLineGoesBothLoopsWayAndTheWindowsEndClosesIt() {
        const auto ville = Kuuntelevana<Vastapuoli>("Ville");
        QVERIFY(ville);
        {
            frmMorvak ikkuna(Siemen(1));
            ikkuna.Verkko().Yhdista("127.0.0.1");
            QTRY_COMPARE_WITH_TIMEOUT(ville->kuulija.tapahtumat, Tapahtumat{"Yhdistetty"}, 10000);
            QTRY_COMPARE(Kirjoitusvalvontoja(ikkuna), 0);
            ikkuna.Verkko().Laheta("HEI 1 Aino");
            QTRY_COMPARE_WITH_TIMEOUT(ville->kuulija.tapahtumat,
                                      (Tapahtumat{"Yhdistetty", "Rivi HEI 1 Aino"}), 10000);
            QTRY_COMPARE(Kirjoitusvalvontoja(ikkuna), 0);
            QCOMPARE(Kirjoitusvalvontoja(ville->isanta), 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(ville->kuulija.tapahtumat,
                                  (Tapahtumat{"Yhdistetty", "Rivi HEI 1 Aino", "Katkesi Suljettu"}),
                                  10000);
    }
};

QTEST_MAIN(frmMorvakVerkko_test)
#include "frmMorvakVerkko_test.moc"
