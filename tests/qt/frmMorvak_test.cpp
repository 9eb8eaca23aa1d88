// The main window as it looks: captions, menus, geometry, pictures, pointers.

#include <QAccessible>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

#include "qt/Mallikuvat.h"
#include "qt/Pikselikuvat.h"
#include "qt/Sovellus.h"
#include "rules/pictures/Ruutukuvat.h"
#include "rules/pictures/Sormikursori.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

QRgb Pikseli(const QImage& kuva, int x, int y) { return kuva.pixel(x, y) & 0xFFFFFF; }

// Where a control lies in the window's client area, whatever holds it.
QRect Alueella(frmMorvak& ikkuna, QWidget* saadin) {
    return {saadin->mapTo(ikkuna.centralWidget(), QPoint(0, 0)), saadin->size()};
}

QStringList Valikonrivit(QMenu* valikko) {
    QStringList rivit;
    for (QAction* komento : valikko->actions()) {
        rivit << (komento->isSeparator() ? "-" : komento->text()) + "|" +
                     komento->shortcut().toString() + "|" + komento->objectName();
    }
    return rivit;
}

}  // namespace

class frmMorvak_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void captionFrameAndIcon() {
        frmMorvak ikkuna(Siemen(1));
        QCOMPARE(ikkuna.windowTitle(), QString("Morvak"));
        QVERIFY(ikkuna.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(ikkuna.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(ikkuna.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(ikkuna.minimumSize(), ikkuna.maximumSize());
        QVERIFY(!ikkuna.windowIcon().isNull());
        QCOMPARE(ikkuna.windowIcon().availableSizes().size(), 3);
    }

    void clientAreaAndControlsFollowTheTwipTables() {
        frmMorvak ikkuna(Siemen(1));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        const int valikko = ikkuna.menuBar()->height();
        QCOMPARE(ikkuna.centralWidget()->geometry(), QRect(0, valikko, 514, 340));
        QCOMPARE(ikkuna.size(), QSize(514, valikko + 340));

        QCOMPARE(Alueella(ikkuna, Pelaajan(ikkuna, 1)), QRect(8, 16, 25, 25));
        QCOMPARE(Alueella(ikkuna, Pelaajan(ikkuna, 11)).topLeft(), QPoint(8, 40));
        QCOMPARE(Alueella(ikkuna, Pelaajan(ikkuna, 100)).bottomRight(), QPoint(248, 256));
        QCOMPARE(Alueella(ikkuna, Koneen(ikkuna, 1)).topLeft(), QPoint(264, 16));
        QCOMPARE(Alueella(ikkuna, Koneen(ikkuna, 100)), QRect(480, 232, 25, 25));
        // Neighbours overlap by one pixel and share their border line.
        QCOMPARE(Koneen(ikkuna, 2)->x() - Koneen(ikkuna, 1)->x(), 24);
        QCOMPARE(Koneen(ikkuna, 11)->y() - Koneen(ikkuna, 1)->y(), 24);

        auto* fraOhje = ikkuna.findChild<QGroupBox*>("fraOhje");
        QCOMPARE(fraOhje->title(), QString("Toimintaohje"));
        QCOMPARE(fraOhje->geometry(), QRect(8, 272, 401, 57));
        QCOMPARE(Ohje(ikkuna)->parentWidget(), fraOhje);
        QCOMPARE(Ohje(ikkuna)->geometry(), QRect(16, 24, 369, 17));
        QCOMPARE(Painike(ikkuna, 0)->text(), QString("&Uusi peli"));
        QCOMPARE(Painike(ikkuna, 0)->geometry(), QRect(424, 272, 81, 25));
        QVERIFY(Painike(ikkuna, 0)->isDefault());
        QCOMPARE(Painike(ikkuna, 1)->text(), QString("&Lopeta"));
        QCOMPARE(Painike(ikkuna, 1)->geometry(), QRect(424, 304, 81, 25));
        QCOMPARE(ikkuna.findChild<QFrame*>("fraKehysviiva")->geometry(), QRect(-16, 0, 585, 2));
    }

    void theFleetBandShowsBothFleetsByNameAndMovesTheBottomBandDown() {
        frmMorvak ikkuna(Siemen(1));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        auto* laivasto = ikkuna.findChild<QLabel*>("imgLaivasto1");
        QVERIFY(!laivasto->isVisible());
        Komento(ikkuna, "mNaytaLaivastot")->trigger();
        QCOMPARE(ikkuna.centralWidget()->height(), 364);
        QVERIFY(laivasto->isVisible());
        QCOMPARE(Alueella(ikkuna, laivasto), QRect(264, 264, 241, 16));
        QCOMPARE(Alueella(ikkuna, ikkuna.findChild<QGroupBox*>("fraOhje")).top(), 296);
        QCOMPARE(laivasto->accessibleName(),
                 QString("Vastustajalla jäljellä: lentotukialus, 2 risteilijää, 3 tykkivenettä, "
                         "4 sukellusvenettä"));
        QCOMPARE(Pikseli(laivasto->pixmap().toImage(), 0, 3), QRgb(0x252525));
        Komento(ikkuna, "mNaytaLaivastot")->trigger();
        QVERIFY(!laivasto->isVisible());
        QCOMPARE(ikkuna.centralWidget()->height(), 340);
    }

    void menusCarryEveryCaptionShortcutAndSeparator() {
        frmMorvak ikkuna(Siemen(1));
        QStringList otsikot;
        for (QAction* valikko : ikkuna.menuBar()->actions()) otsikot << valikko->text();
        QCOMPARE(otsikot, QStringList({"&Tiedosto", "&Näytä", "&Ohje"}));

        QCOMPARE(Valikonrivit(ikkuna.findChild<QMenu*>("mnuTiedosto")),
                 QStringList({"&Uusi peli|F2|mUusiPeli",
                              "&Sijoita laivat satunnaisesti|F3|mSijoitaLaivatSatunnaisesti",
                              "&Verkkopeli...||mVerkkopeli", "-||vTiedosto", "&Lopeta||mLopeta"}));
        QCOMPARE(Valikonrivit(ikkuna.findChild<QMenu*>("mnuNayta")),
                 QStringList({"&Ikkunan alalaidan painikkeet||mNaytaPainikkeet",
                              "&Epäkelvot ruudut laivoja sijoiteltaessa||"
                              "mNaytaMahdottomatLaivaruudut",
                              "&Äänet||mAanet", "&Laivastot||mNaytaLaivastot", "-||vNayta",
                              "&Parhaat tulokset...||mNaytaParhaatTulokset",
                              "&Tilastot...||mNaytaTilastot", "&Asetukset...||mNaytaAsetukset"}));
        QCOMPARE(Valikonrivit(ikkuna.findChild<QMenu*>("mnuOhje")),
                 QStringList({"&Readme-ohje|F1|mReadmeOhje", "-||vOhje",
                              "Ohjelma&päivitykset...||mOhjelmapaivitykset",
                              "P&alautetta ohjelmasta...||mPalautettaOhjelmasta",
                              "&Virheilmoitukset...||mVirheilmoitukset", "-||vOhje2",
                              "&Tietoja ohjelmasta...||mTietojaOhjelmasta"}));
        QVERIFY(Komento(ikkuna, "mNaytaPainikkeet")->isCheckable());
        QVERIFY(Komento(ikkuna, "mNaytaMahdottomatLaivaruudut")->isCheckable());
        QVERIFY(Komento(ikkuna, "mAanet")->isCheckable());
        QVERIFY(!Komento(ikkuna, "mUusiPeli")->isCheckable());
        QCOMPARE(QAccessible::queryAccessibleInterface(ikkuna.findChild<QMenu*>("mnuTiedosto"))
                     ->child(0)
                     ->text(QAccessible::Name),
                 QString("Uusi peli"));
    }

    void tilesAreTheRulesPicturesForTheScreensPixels_data() {
        QTest::addColumn<qreal>("suhde");
        QTest::addColumn<int>("koko");
        QTest::newRow("1") << 1.0 << 25;
        QTest::newRow("2") << 2.0 << 50;
        QTest::newRow("1.5") << 1.5 << 38;
        QTest::newRow("1.25") << 1.25 << 32;
    }
    void tilesAreTheRulesPicturesForTheScreensPixels() {
        QFETCH(qreal, suhde);
        QFETCH(int, koko);
        const QImage kuva = Mallikuva(Kuva::OhiViimeksi, suhde);
        QCOMPARE(kuva.size(), QSize(koko, koko));
        QCOMPARE(kuva.pixel(0, 0), 0xFF4670A0u);
        QCOMPARE(kuva, Kuvana(piirros::Ruutukuva(Kuva::OhiViimeksi, koko), suhde));
    }

    void squaresShowTheirPictureOnScreen() {
        frmMorvak ikkuna(Siemen(1));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        QTest::mouseClick(Pelaajan(ikkuna, 1), Qt::LeftButton);
        const QImage ruutu = Pelaajan(ikkuna, 1)->grab().toImage();
        QCOMPARE(ruutu.size(), QSize(25, 25));
        QCOMPARE(Pikseli(ruutu, 12, 12), 0x7B7B7Bu);
        QCOMPARE(Pikseli(Pelaajan(ikkuna, 5)->grab().toImage(), 12, 12), 0xC0D1E4u);
    }

    void handPointerMarksTheSquaresThatCanBeClicked() {
        frmMorvak ikkuna(Siemen(1));
        const QCursor kasi = Pelaajan(ikkuna, 37)->cursor();
        QCOMPARE(kasi.shape(), Qt::BitmapCursor);
        QCOMPARE(kasi.hotSpot(), QPoint(5, 0));
        QCOMPARE(kasi.pixmap().toImage(), Kuvana(piirros::Sormikursori().kuva));
        for (int n = 1; n <= 100; ++n) {
            QVERIFY(Sormi(Pelaajan(ikkuna, n)));
            QVERIFY(!Sormi(Koneen(ikkuna, n)));
        }
    }

    void everyInstructionTextFitsItsLine() {
        frmMorvak ikkuna(Siemen(1));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        Pelitila& tila = ikkuna.Tila();
        QLabel* ohje = Ohje(ikkuna);
        QStringList nahdyt;
        const auto tarkista = [&] {
            ikkuna.Malli().Saannot().Paivita();
            nahdyt << ohje->text();
            QVERIFY2(QFontMetrics(ohje->font()).horizontalAdvance(ohje->text()) <= ohje->width(),
                     qPrintable(ohje->text()));
        };
        for (const Sijoitus& s : LAIVASTO) {
            tarkista();
            QTest::mouseClick(Pelaajan(ikkuna, s.ruutu), s.painike);
        }
        tarkista();
        tila.PelaajanVuoro = false;
        tarkista();
        tila.KoneenSukellusveneSijoitettu[4] = false;
        tarkista();
        tila.PeliKaynnissa = false;
        tila.KoneenOsumat = 20;
        tarkista();
        tila.PelaajanOsumat = 20;
        for (int putki : {1, 2, 99, 100, 999, 32767}) {
            tila.PerakkaisetVoitot = putki;
            tarkista();
        }
        nahdyt.removeDuplicates();
        QCOMPARE(nahdyt.size(), 20);
        QVERIFY(
            nahdyt.contains("Olet voittanut 32767 peliä peräkkäin. Jatka pelaamista Uusi peli "
                            "-painikkeella."));
    }

    void captionsFitTheirControls() {
        frmMorvak ikkuna(Siemen(1));
        for (int i = 0; i < 2; ++i) {
            QPushButton* painike = Painike(ikkuna, i);
            QVERIFY(painike->sizeHint().width() <= painike->width());
            QVERIFY(painike->sizeHint().height() <= painike->height() + 2);
        }
        auto* fraOhje = ikkuna.findChild<QGroupBox*>("fraOhje");
        QVERIFY(fraOhje->minimumSizeHint().width() <= fraOhje->width());
    }
};

QTEST_MAIN(frmMorvak_test)
#include "frmMorvak_test.moc"
