// The main window without a mouse: the random fleet from its key, the grids
// as focus stops with their focus squares, the frame drawn on them, and what
// the squares and the instruction line tell assistive technology.

#include <QAccessible>

#include "qt/Kohdistuskehys.h"
#include "qt/Pikselikuvat.h"
#include "qt/Sovellus.h"
#include "rules/pictures/Kohdistuskehys.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

QWidget* Ruudukkonsa(frmMorvak& ikkuna, Puoli puoli) {
    return ikkuna.findChild<QWidget*>(puoli == Puoli::Pelaaja ? "ruudukkoPelaaja" : "ruudukkoKone");
}
QWidget* Kehys(frmMorvak& ikkuna, Puoli puoli) {
    return Ruudukkonsa(ikkuna, puoli)->findChild<QWidget*>("kohdistuskehys");
}

QString Nimi(QWidget* olio) {
    return QAccessible::queryAccessibleInterface(olio)->text(QAccessible::Name);
}

QRgb Pikseli(const QImage& kuva, int x, int y) { return kuva.pixel(x, y) & 0xFFFFFF; }

}  // namespace

class frmMorvakNappaimisto_test : public QObject {
    Q_OBJECT

    Testipesa pesa;
    std::unique_ptr<frmMorvak> ikkuna;

    // The window as a player meets it: shown, active, with a short pause.
    bool Kaynnista(std::uint64_t siemen) {
        ikkuna = std::make_unique<frmMorvak>(Siemen(siemen));
        ikkuna->Malli().Saannot().TauonPituus = std::chrono::milliseconds(0);
        ikkuna->show();
        ikkuna->activateWindow();
        return QTest::qWaitForWindowActive(ikkuna.get());
    }

    // A key where a player's key goes: to the widget with the keyboard. A key
    // that has nowhere to go is a lost focus.
    void Nappain(Qt::Key nappain, Qt::KeyboardModifiers muunnin = Qt::NoModifier) {
        QWidget* kohde = QApplication::focusWidget();
        QVERIFY2(kohde, "no widget has the keyboard");
        QTest::keyClick(kohde, nappain, muunnin);
    }
    // The offscreen platform gives the keyboard back to no window when a
    // message box closes; a window manager gives it to the main window.
    void Aktivoi() {
        ikkuna->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ikkuna.get()));
    }

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }
    void cleanup() { ikkuna.reset(); }

    void aWholeGameWithTheKeyboardAlone() {
        QVERIFY(Kaynnista(3));
        Viestivastaaja vastaaja;
        QCOMPARE(QApplication::focusWidget(), Ruudukkonsa(*ikkuna, Puoli::Pelaaja));
        Nappain(Qt::Key_F3);
        QVERIFY(ikkuna->Tila().AmmuntaKaynnissa);
        QTRY_COMPARE(QApplication::focusWidget(), Ruudukkonsa(*ikkuna, Puoli::Kone));
        QVERIFY(!Komento(*ikkuna, "mSijoitaLaivatSatunnaisesti")->isEnabled());

        // Every square of the computer's grid in turn, row by row, until the
        // game ends; Space on a square already out of play does nothing.
        int laukauksia = 0;
        for (int rivi = 0; rivi < 10 && ikkuna->Tila().PeliKaynnissa; ++rivi) {
            Nappain(Qt::Key_Home);
            for (int sarake = 0; sarake < 10 && ikkuna->Tila().PeliKaynnissa; ++sarake) {
                const int ennen = ikkuna->Tila().PelaajanViimeisinLaukaus;
                Nappain(Qt::Key_Space);
                QVERIFY(OdotaVuoro(*ikkuna));
                if (ikkuna->Tila().PelaajanViimeisinLaukaus != ennen) {
                    ++laukauksia;
                    QCOMPARE(ikkuna->Tila().PelaajanViimeisinLaukaus, rivi * 10 + sarake + 1);
                }
                if (ikkuna->Tila().PeliKaynnissa) Nappain(Qt::Key_Right);
            }
            if (ikkuna->Tila().PeliKaynnissa) Nappain(Qt::Key_Down);
        }
        QVERIFY(!ikkuna->Tila().PeliKaynnissa);
        QTRY_COMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        const bool voitto = ikkuna->Tila().PelaajanOsumat == 20;
        QVERIFY(voitto || ikkuna->Tila().KoneenOsumat == 20);
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QString(voitto ? "Voitit" : "Hävisit"));
        QVERIFY(laukauksia >= 20);

        // Return keeps its meaning: the next game, with the keyboard back on
        // the player's grid and both focus squares on square 1.
        Aktivoi();
        Nappain(Qt::Key_Return);
        QVERIFY(ikkuna->Tila().SijoitusKaynnissa);
        QTRY_COMPARE(QApplication::focusWidget(), Ruudukkonsa(*ikkuna, Puoli::Pelaaja));
        QCOMPARE(Kehys(*ikkuna, Puoli::Pelaaja)->pos(), Pelaajan(*ikkuna, 1)->pos());
        QCOMPARE(Kehys(*ikkuna, Puoli::Kone)->pos(), Koneen(*ikkuna, 1)->pos());
    }

    void f3KeepsTheShipsLaidByClicksAndKeys() {
        QVERIFY(Kaynnista(4));
        QTest::mouseClick(Pelaajan(*ikkuna, 8), Qt::LeftButton);
        QTest::mouseClick(Pelaajan(*ikkuna, 71), Qt::RightButton);
        // Shift+Space lays the next one down from the focus square.
        Nappain(Qt::Key_End);
        Nappain(Qt::Key_Down);
        Nappain(Qt::Key_Down);
        Nappain(Qt::Key_Space, Qt::ShiftModifier);
        QVERIFY(Komento(*ikkuna, "mSijoitaLaivatSatunnaisesti")->isEnabled());
        Nappain(Qt::Key_F3);
        const Pelitila& t = ikkuna->Tila();
        QCOMPARE(t.PelaajanLentotukialus, (Lentotukialus{0, 8, 7, 6, 5}));
        QCOMPARE(t.PelaajanRisteilija1, (Risteilija{0, 71, 81, 91}));
        QCOMPARE(t.PelaajanRisteilija2, (Risteilija{0, 30, 40, 50}));
        QVERIFY(t.PelaajanSukellusveneSijoitettu[4]);
        QVERIFY(t.AmmuntaKaynnissa);
        QCOMPARE(std::ranges::count(t.PelaajanRuudut, Sana::laiva), 20);
        QTRY_VERIFY(!Komento(*ikkuna, "mSijoitaLaivatSatunnaisesti")->isEnabled());
        QCOMPARE(Ohje(*ikkuna)->text(),
                 QString("Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu."));
    }

    void focusGoesFromGridToGridAsTheGameGoesOn() {
        QVERIFY(Kaynnista(5));
        QWidget* pelaajan = Ruudukkonsa(*ikkuna, Puoli::Pelaaja);
        QWidget* koneen = Ruudukkonsa(*ikkuna, Puoli::Kone);
        QCOMPARE(QApplication::focusWidget(), pelaajan);
        QVERIFY(Kehys(*ikkuna, Puoli::Pelaaja)->isVisible());
        QVERIFY(!Kehys(*ikkuna, Puoli::Kone)->isVisible());
        // One stop per grid, then the buttons, and back.
        Nappain(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), koneen);
        QVERIFY(!Kehys(*ikkuna, Puoli::Pelaaja)->isVisible());
        QVERIFY(Kehys(*ikkuna, Puoli::Kone)->isVisible());
        Nappain(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Painike(*ikkuna, 0));
        Nappain(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), koneen);
        Nappain(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), pelaajan);

        // The frame follows the keys.
        Nappain(Qt::Key_End);
        Nappain(Qt::Key_Down);
        QTRY_COMPARE(Kehys(*ikkuna, Puoli::Pelaaja)->pos(), Pelaajan(*ikkuna, 20)->pos());

        // Laid by the mouse with the keyboard elsewhere, the fleet still
        // hands the keyboard to the computer's grid.
        Nappain(Qt::Key_Tab);
        Nappain(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Painike(*ikkuna, 0));
        SijoitaLaivasto(*ikkuna);
        QTRY_COMPARE(QApplication::focusWidget(), koneen);
        QCOMPARE(Kehys(*ikkuna, Puoli::Kone)->pos(), Koneen(*ikkuna, 1)->pos());

        Nappain(Qt::Key_F2);
        QTRY_COMPARE(QApplication::focusWidget(), pelaajan);
        QCOMPARE(Kehys(*ikkuna, Puoli::Pelaaja)->pos(), Pelaajan(*ikkuna, 1)->pos());
    }

    void theFrameIsTheRulesPictureForTheScreensPixels_data() {
        QTest::addColumn<qreal>("suhde");
        QTest::addColumn<int>("koko");
        QTest::newRow("1") << 1.0 << 25;
        QTest::newRow("1.25") << 1.25 << 32;
        QTest::newRow("1.5") << 1.5 << 38;
        QTest::newRow("2") << 2.0 << 50;
    }
    void theFrameIsTheRulesPictureForTheScreensPixels() {
        QFETCH(qreal, suhde);
        QFETCH(int, koko);
        const QImage kehys = Kohdistuskehys(suhde);
        QCOMPARE(kehys.size(), QSize(koko, koko));
        QCOMPARE(kehys, Kuvana(piirros::Kohdistuskehys(koko), suhde));
    }

    void theFrameOnScreenLeavesTheTileShowing() {
        QVERIFY(Kaynnista(6));
        QTest::mouseClick(Pelaajan(*ikkuna, 1), Qt::LeftButton);
        QVERIFY(Kehys(*ikkuna, Puoli::Pelaaja)->isVisible());
        const QRect ruutu(Pelaajan(*ikkuna, 1)->mapTo(ikkuna.get(), QPoint(0, 0)), QSize(25, 25));
        const QImage kuva = ikkuna->grab(ruutu).toImage();
        QCOMPARE(Pikseli(kuva, 12, 12), 0x7B7B7Bu);  // the ship tile's centre
        QCOMPARE(Pikseli(kuva, 0, 12), 0x000000u);
        QCOMPARE(Pikseli(kuva, 4, 12), 0x494949u);  // the tile's fourth ring
        QCOMPARE(Pikseli(kuva, 24, 12), 0x000000u);
        // Square 2 of the same ship, without the frame.
        const QImage toinen = ikkuna->grab(ruutu.translated(24, 0)).toImage();
        QCOMPARE(Pikseli(toinen, 1, 12), 0x252525u);
    }

    void squaresAndTheLineTellAssistiveTechnologyWhatTheyShow() {
        QVERIFY(Kaynnista(7));
        QAccessibleInterface* ruudukko =
            QAccessible::queryAccessibleInterface(Ruudukkonsa(*ikkuna, Puoli::Pelaaja));
        QCOMPARE(ruudukko->role(), QAccessible::Table);
        QCOMPARE(ruudukko->text(QAccessible::Name), QString("Oma ruudukko"));
        QCOMPARE(ruudukko->childCount(), 100);
        QCOMPARE(ruudukko->tableInterface()->rowCount(), 10);
        QCOMPARE(ruudukko->tableInterface()->columnCount(), 10);
        QAccessibleInterface* ruutu = QAccessible::queryAccessibleInterface(Pelaajan(*ikkuna, 25));
        QCOMPARE(ruutu->role(), QAccessible::Cell);
        QCOMPARE(ruudukko->tableInterface()->cellAt(2, 4), ruutu);
        QCOMPARE(ruudukko->child(24), ruutu);
        QCOMPARE(ruudukko->indexOfChild(ruutu), 24);
        QCOMPARE(ruutu->parent(), ruudukko);
        QCOMPARE(ruutu->tableCellInterface()->rowIndex(), 2);
        QCOMPARE(ruutu->tableCellInterface()->columnIndex(), 4);
        QCOMPARE(ruutu->tableCellInterface()->table(), ruudukko);
        QCOMPARE(ruutu->text(QAccessible::Name), QString("Oma ruudukko, rivi 3, sarake 5: vesi"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Ruudukkonsa(*ikkuna, Puoli::Kone))
                     ->text(QAccessible::Name),
                 QString("Vastustajan ruudukko"));

        QTest::mouseClick(Pelaajan(*ikkuna, 23), Qt::LeftButton);
        QCOMPARE(ruutu->text(QAccessible::Name), QString("Oma ruudukko, rivi 3, sarake 5: laiva"));
        QCOMPARE(Nimi(Pelaajan(*ikkuna, 35)), QString("Oma ruudukko, rivi 4, sarake 5: epäkelpo"));
        QTRY_COMPARE(Nimi(Ohje(*ikkuna)),
                     QString("Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen "
                             "ruudukkoon."));

        // The focus square is the cell in focus, and moves with the keys.
        QVERIFY(ruudukko->child(0)->state().focused);
        QCOMPARE(ruudukko->focusChild(), ruudukko->child(0));
        Nappain(Qt::Key_Down);
        QTRY_VERIFY(ruudukko->child(10)->state().focused);
        QVERIFY(!ruudukko->child(0)->state().focused);
        QCOMPARE(ruudukko->focusChild(), ruudukko->child(10));
        // A grid without the keyboard has no cell in focus.
        QAccessibleInterface* koneen =
            QAccessible::queryAccessibleInterface(Ruudukkonsa(*ikkuna, Puoli::Kone));
        QVERIFY(!koneen->child(0)->state().focused);
        QCOMPARE(koneen->focusChild(), nullptr);

        // The computer's ships are never told before they are shown.
        Nappain(Qt::Key_F3);
        const Pelitila& t = ikkuna->Tila();
        const int laiva = t.KoneenSukellusveneet[1];
        QVERIFY(Nimi(Koneen(*ikkuna, laiva)).endsWith(": vesi"));
        QTest::mouseClick(Koneen(*ikkuna, laiva), Qt::LeftButton);
        QVERIFY(Nimi(Koneen(*ikkuna, laiva)).endsWith(": uponnut, viimeisin laukaus"));
    }
};

QTEST_MAIN(frmMorvakNappaimisto_test)
#include "frmMorvakNappaimisto_test.moc"
