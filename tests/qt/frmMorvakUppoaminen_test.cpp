// A sunk ship's squares play their sinking on screen: every frame is as sharp
// as the pictures at any scale, the animation runs inside the computer's turn
// and takes no clicks, and it leaves no timer behind.

#include <QSignalSpy>
#include <cstring>
#include <functional>

#include "qt/Mallikuvat.h"
#include "qt/Sovellus.h"
#include "store/mdlMorvak2.h"
#include "tests/qt/Ajastimet.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

QRgb Pikseli(const QImage& kuva, int x, int y) { return kuva.pixel(x, y) & 0xFFFFFF; }

bool SamaRivi(const QImage& a, const QImage& b, int y) {
    return std::memcmp(a.constScanLine(y), b.constScanLine(y),
                       static_cast<std::size_t>(a.bytesPerLine())) == 0;
}

// How many rows from the bottom are the water picture's own, when every row
// above them is the sinking picture's own; -1 when some row is neither.
int Vesirivit(const QImage& kehys, const QImage& kuva, const QImage& vesi) {
    int y = 0;
    while (y < kehys.height() && SamaRivi(kehys, kuva, y) && !SamaRivi(kehys, vesi, y)) ++y;
    const int raja = y;
    while (y < kehys.height() && SamaRivi(kehys, vesi, y)) ++y;
    return y == kehys.height() ? kehys.height() - raja : -1;
}

// Runs `toimi` inside the sinking's own event loop as soon as `ruutu` has
// begun to sink, looking again at every turn of whatever loop runs before it;
// gives up once `odotetaan` turns false.
void KunUppoaa(QObject* konteksti, Kuvaruutu* ruutu, const bool& odotetaan,
               std::function<void()> toimi) {
    QMetaObject::invokeMethod(
        konteksti,
        [=, &odotetaan] {
            if (!odotetaan) return;
            if (ruutu->vedenpinta()) {
                toimi();
            } else {
                KunUppoaa(konteksti, ruutu, odotetaan, toimi);
            }
        },
        Qt::QueuedConnection);
}

void Tyhjenna() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace

class frmMorvakUppoaminen_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void framesAreSharpAtAnyScale_data() {
        QTest::addColumn<qreal>("suhde");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
        QTest::newRow("3") << 3.0;
    }
    void framesAreSharpAtAnyScale() {
        QFETCH(qreal, suhde);
        const QImage osuma = Mallikuva(Kuva::Osuma, suhde);
        const QImage vesi = Mallikuva(Kuva::Vesi, suhde);
        const int korkeus = osuma.height();
        for (const double pinta : {0.0, 0.13, 0.5, 0.77, 1.0}) {
            const QImage kehys = Uppoamiskuva(Kuva::Osuma, pinta, suhde);
            QCOMPARE(kehys.size(), osuma.size());
            QCOMPARE(kehys.devicePixelRatio(), suhde);
            const int rivit = Vesirivit(kehys, osuma, vesi);
            QVERIFY2(rivit >= 0, "a row that is neither picture's own");
            QVERIFY(std::abs(rivit - pinta * korkeus) <= 0.5);
        }
        QCOMPARE(Uppoamiskuva(Kuva::Osuma, 0.0, suhde), osuma);
        QCOMPARE(Uppoamiskuva(Kuva::Osuma, 1.0, suhde), vesi);
    }

    void theWaterLineAtTheScalesTheLayoutWasDrawnFor() {
        QCOMPARE(Vesirivit(Uppoamiskuva(Kuva::OsumaViimeksi, 0.5, 1.0),
                           Mallikuva(Kuva::OsumaViimeksi, 1.0), Mallikuva(Kuva::Vesi, 1.0)),
                 13);
        QCOMPARE(Vesirivit(Uppoamiskuva(Kuva::Osuma, 0.2, 1.25), Mallikuva(Kuva::Osuma, 1.25),
                           Mallikuva(Kuva::Vesi, 1.25)),
                 6);
        QCOMPARE(Vesirivit(Uppoamiskuva(Kuva::Osuma, 0.5, 2.0), Mallikuva(Kuva::Osuma, 2.0),
                           Mallikuva(Kuva::Vesi, 2.0)),
                 25);
    }

    void theSinkingPlaysInTheComputersTurnTakesNoClicksAndEnds() {
        QVERIFY(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                    "NaytetaanLaivojenUppoaminen", REG_SZ, "True"));
        frmMorvak ikkuna(Siemen(3));
        ikkuna.AsetaTauonPituus(std::chrono::milliseconds(1));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        const Pelitila& tila = ikkuna.Tila();
        QVERIFY(tila.NaytetaanLaivojenUppoaminen);
        SijoitaLaivasto(ikkuna);

        const int sukellusvene = tila.KoneenSukellusveneet[1];
        int vesi = 1;
        while (tila.KoneenRuudut[vesi] != Sana::vesi) ++vesi;
        Kuvaruutu* ruutu = Koneen(ikkuna, sukellusvene);
        QSignalSpy painallukset(ruutu, &Kuvaruutu::MouseUp);

        std::optional<double> alussa;
        QStringList ajastimet;
        QString ohje;
        bool uusiPeli = true;
        QImage keskella;
        bool odotetaan = true;
        KunUppoaa(&ikkuna, ruutu, odotetaan, [&] {
            alussa = ruutu->vedenpinta();
            ajastimet = AktiivisetAjastimet();
            ohje = Ohje(ikkuna)->text();
            uusiPeli = Komento(ikkuna, "mUusiPeli")->isEnabled();
            QTRY_VERIFY(ruutu->vedenpinta().value_or(0.0) > 0.5);
            keskella = ruutu->grab().toImage();
            QTest::mouseClick(ruutu, Qt::LeftButton);
            QTest::mouseClick(Koneen(ikkuna, vesi), Qt::LeftButton);
        });
        QTest::mouseClick(ruutu, Qt::LeftButton);
        odotetaan = false;

        QCOMPARE(alussa, std::optional<double>(0.0));
        QCOMPARE(ajastimet, QStringList{"QTimer 16 ms"});
        QCOMPARE(ohje, QString("Odota hetki, vastustajasi ampuu jotakin ruuduistasi..."));
        QVERIFY(!uusiPeli);
        QCOMPARE(Pikseli(keskella, 12, 0), 0x151515u);
        QCOMPARE(Pikseli(keskella, 12, 24), 0x4670A0u);
        // The shot square is out of play and the computer's turn holds the
        // rest of the grid: no click counted meanwhile.
        QCOMPARE(painallukset.count(), 1);
        QCOMPARE(Koneen(ikkuna, vesi)->kuva(), Kuva::Vesi);
        QCOMPARE(tila.PelaajanViimeisinLaukaus, sukellusvene);

        // Over: the wreck's picture, its surroundings shown, the turn back.
        QCOMPARE(ruutu->vedenpinta(), std::optional<double>());
        QCOMPARE(ruutu->kuva(), Kuva::OsumaViimeksi);
        QCOMPARE(Pikseli(ruutu->grab().toImage(), 12, 24), 0x151515u);
        int paljastettu = 0;
        for (int n = 1; n <= 100; ++n) {
            if (tila.KoneenRuudut[n] != Sana::ohi) continue;
            QCOMPARE(Koneen(ikkuna, n)->kuva(), Kuva::Ohi);
            QVERIFY(!Koneen(ikkuna, n)->isEnabled());
            ++paljastettu;
        }
        QVERIFY(paljastettu >= 2);
        QVERIFY(tila.PelaajanVuoro);
        Tyhjenna();
        QCOMPARE(AktiivisetAjastimet(), QStringList());
    }

    // The player's grid answers clicks even in firing; a square of it that
    // sinks takes none while it changes.
    void aSinkingSquareOfThePlayersGridTakesNoClick() {
        QVERIFY(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                    "NaytetaanLaivojenUppoaminen", REG_SZ, "True"));
        frmMorvak ikkuna(Siemen(5));
        ikkuna.AsetaTauonPituus(std::chrono::milliseconds(1));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        SijoitaLaivasto(ikkuna);
        // Everything known to the computer but the submarine on square 1: its
        // random shot cannot miss it.
        Pelitila& tila = ikkuna.Tila();
        for (int n = 2; n <= 100; ++n) {
            tila.PelaajanRuudut[n] =
                tila.PelaajanRuudut[n] == Sana::laiva ? Sana::uponnut : Sana::ohi;
        }
        int vesi = 1;
        while (tila.KoneenRuudut[vesi] == Sana::laiva) ++vesi;
        Kuvaruutu* ruutu = Pelaajan(ikkuna, 1);
        QSignalSpy painallukset(ruutu, &Kuvaruutu::MouseUp);
        std::optional<double> upotessa;
        bool odotetaan = true;
        KunUppoaa(&ikkuna, ruutu, odotetaan, [&] {
            upotessa = ruutu->vedenpinta();
            QTest::mouseClick(ruutu, Qt::LeftButton);
            QTest::mouseClick(ruutu, Qt::RightButton);
        });
        QTest::mouseClick(Koneen(ikkuna, vesi), Qt::LeftButton);
        odotetaan = false;

        QCOMPARE(tila.KoneenViimeisinLaukaus, 1);
        QCOMPARE(upotessa, std::optional<double>(0.0));
        QCOMPARE(painallukset.count(), 0);
        QCOMPARE(ruutu->vedenpinta(), std::optional<double>());
        QCOMPARE(ruutu->kuva(), Kuva::OsumaViimeksi);
        QVERIFY(tila.PelaajanVuoro);
        Tyhjenna();
        QCOMPARE(AktiivisetAjastimet(), QStringList());
    }
};

QTEST_MAIN(frmMorvakUppoaminen_test)
#include "frmMorvakUppoaminen_test.moc"
