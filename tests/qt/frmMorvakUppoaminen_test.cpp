// A sunk ship's squares play their sinking on screen: every frame is the
// rules' picture, the frames run on the window's timer, and it leaves no timer
// behind.

#include "qt/Mallikuvat.h"
#include "qt/Pikselikuvat.h"
#include "qt/Sovellus.h"
#include "rules/pictures/Ruutukuvat.h"
#include "rules/pictures/Uppoamiskuva.h"
#include "store/mdlMorvak2.h"
#include "tests/qt/Ajastimet.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

QRgb Pikseli(const QImage& kuva, int x, int y) { return kuva.pixel(x, y) & 0xFFFFFF; }

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

    void framesAreTheRulesPicturesForTheScreensPixels() {
        const auto kuva = [](Kuva k) { return piirros::Ruutukuva(k, 50); };
        QCOMPARE(Uppoamiskuva(Kuva::Osuma, 0.5, 2.0),
                 Kuvana(piirros::Uppoamiskuva(kuva(Kuva::Osuma), kuva(Kuva::Vesi), 0.5), 2.0));
    }

    // The window draws the water level the rules give each frame, runs the
    // frames on its one timer, and keeps no timer once the ship is down.
    void theSinkingPlaysOnTheWindowsTimerAndEnds() {
        QVERIFY(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                    "NaytetaanLaivojenUppoaminen", REG_SZ, "True"));
        frmMorvak ikkuna(Siemen(3));
        ikkuna.Malli().Saannot().TauonPituus = std::chrono::milliseconds(1);
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
