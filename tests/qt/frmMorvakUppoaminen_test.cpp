// A sunk ship's squares play their sinking on screen: every frame is as sharp
// as the pictures at any scale, the frames run on the window's timer, and it
// leaves no timer behind.

#include <cstring>

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

    // The window draws the water level the rules give each frame, runs the
    // frames on its one timer, and keeps no timer once the ship is down.
    void theSinkingPlaysOnTheWindowsTimerAndEnds() {
        QVERIFY(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                    "NaytetaanLaivojenUppoaminen", REG_SZ, "True"));
        frmMorvak ikkuna(Siemen(3));
        ikkuna.AsetaTauonPituus(std::chrono::milliseconds(1));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        const Pelitila& tila = ikkuna.Tila();
        QVERIFY(tila.NaytetaanLaivojenUppoaminen);
        SijoitaLaivasto(ikkuna);

        Kuvaruutu* ruutu = Koneen(ikkuna, tila.KoneenSukellusveneet[1]);
        QTest::mouseClick(ruutu, Qt::LeftButton);
        QCOMPARE(ruutu->vedenpinta(), std::optional<double>(0.0));
        QCOMPARE(AktiivisetAjastimet(), QStringList{"QTimer 16 ms"});
        QTRY_VERIFY(ruutu->vedenpinta().value_or(0.0) > 0.5);
        const QImage keskella = ruutu->grab().toImage();
        QCOMPARE(Pikseli(keskella, 12, 0), 0x151515u);
        QCOMPARE(Pikseli(keskella, 12, 24), 0x4670A0u);

        QVERIFY(OdotaVuoro(ikkuna));
        QCOMPARE(ruutu->vedenpinta(), std::optional<double>());
        QCOMPARE(Pikseli(ruutu->grab().toImage(), 12, 24), 0x151515u);
        QVERIFY(tila.PelaajanVuoro);
        Tyhjenna();
        QCOMPARE(AktiivisetAjastimet(), QStringList());
    }
};

QTEST_MAIN(frmMorvakUppoaminen_test)
#include "frmMorvakUppoaminen_test.moc"
