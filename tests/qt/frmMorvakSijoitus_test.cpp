// Laying the player's fleet with real clicks on the left grid.

#include <QCheckBox>

#include "qt/Sovellus.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"

namespace {

QList<Kuva> Kuvat(frmMorvak& ikkuna, std::initializer_list<int> ruudut) {
    QList<Kuva> kuvat;
    for (int n : ruudut) kuvat << Pelaajan(ikkuna, n)->kuva();
    return kuvat;
}

QList<int> Varatut(frmMorvak& ikkuna) {
    QList<int> ruudut;
    for (int n = 1; n <= 100; ++n) {
        if (ikkuna.Tila().PelaajanRuudut[n] == Sana::varattu) ruudut << n;
    }
    return ruudut;
}

}  // namespace

class frmMorvakSijoitus_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void leftRightAndMiddleButtonsLayTheFleet() {
        frmMorvak ikkuna(Siemen(7));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        const Pelitila& tila = ikkuna.Tila();
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Sijoita lentotukialuksesi (pituus 4 ruutua) "
                                                   "vasemmanpuoleiseen ruudukkoon."));

        QTest::mouseClick(Pelaajan(ikkuna, 8), Qt::LeftButton);
        QCOMPARE(tila.PelaajanLentotukialus, (Lentotukialus{0, 8, 7, 6, 5}));
        QCOMPARE(Kuvat(ikkuna, {5, 6, 7, 8}), QList<Kuva>(4, Kuva::Laiva));
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Sijoita 1. risteilijäsi (pituus 3 ruutua) "
                                                   "vasemmanpuoleiseen ruudukkoon."));

        // Beside the carrier: refused without a trace, the prompt stays.
        QTest::mouseClick(Pelaajan(ikkuna, 9), Qt::LeftButton);
        QCOMPARE(tila.PelaajanRisteilija1, (Risteilija{0, -1, -1, -1}));
        QCOMPARE(Pelaajan(ikkuna, 10)->kuva(), Kuva::Vesi);

        QTest::mouseClick(Pelaajan(ikkuna, 71), Qt::RightButton);
        QCOMPARE(tila.PelaajanRisteilija1, (Risteilija{0, 71, 81, 91}));
        QTest::mouseClick(Pelaajan(ikkuna, 85), Qt::MiddleButton);
        QCOMPARE(tila.PelaajanRisteilija2, (Risteilija{0, 85, 75, 65}));
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Sijoita 1. tykkiveneesi (pituus 2 ruutua) "
                                                   "vasemmanpuoleiseen ruudukkoon."));
        QTest::mouseClick(Pelaajan(ikkuna, 40), Qt::LeftButton);
        QCOMPARE(tila.PelaajanTykkivene1, (Tykkivene{0, 40, 39}));
        QTest::mouseClick(Pelaajan(ikkuna, 100), Qt::RightButton);
        QCOMPARE(tila.PelaajanTykkivene2, (Tykkivene{0, 100, 90}));
        QTest::mouseClick(Pelaajan(ikkuna, 22), Qt::LeftButton);
        QCOMPARE(tila.PelaajanTykkivene3, (Tykkivene{0, 22, 23}));
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Sijoita 1. sukellusveneesi (pituus 1 ruutu) "
                                                   "vasemmanpuoleiseen ruudukkoon."));
        for (int n : {1, 44, 58}) QTest::mouseClick(Pelaajan(ikkuna, n), Qt::LeftButton);
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Sijoita 4. sukellusveneesi (pituus 1 ruutu) "
                                                   "vasemmanpuoleiseen ruudukkoon."));
        QVERIFY(Sormi(Pelaajan(ikkuna, 93)));
        QVERIFY(!Sormi(Koneen(ikkuna, 93)));

        QTest::mouseClick(Pelaajan(ikkuna, 93), Qt::LeftButton);
        QCOMPARE(tila.PelaajanSukellusveneet, (Sukellusveneet{0, 1, 44, 58, 93}));
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Sinun vuorosi. Valitse oikeanpuoleisesta "
                                                   "ruudukosta ammuttava ruutu."));
        int laivoja = 0;
        for (int n = 1; n <= 100; ++n) {
            laivoja += Pelaajan(ikkuna, n)->kuva() == Kuva::Laiva;
            QVERIFY(!Sormi(Pelaajan(ikkuna, n)));
            QVERIFY(Sormi(Koneen(ikkuna, n)));
            QVERIFY(Koneen(ikkuna, n)->isEnabled());
        }
        QCOMPARE(laivoja, 20);

        // Placement is over: the left grid takes no more ships.
        QTest::mouseClick(Pelaajan(ikkuna, 36), Qt::LeftButton);
        QCOMPARE(tila.PelaajanRuudut[36], Sana::vesi);
        QCOMPARE(Pelaajan(ikkuna, 36)->kuva(), Kuva::Vesi);
    }

    // A press on one square released over another belongs to the first, as
    // the button's release always does; a click on the right grid needs both
    // on the same square.
    void releaseAnywhereCountsForThePressedSquare() {
        frmMorvak ikkuna(Siemen(7));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        QTest::mousePress(Pelaajan(ikkuna, 1), Qt::RightButton);
        QTest::mouseRelease(Pelaajan(ikkuna, 1), Qt::RightButton, {}, QPoint(60, 5));
        QCOMPARE(ikkuna.Tila().PelaajanLentotukialus, (Lentotukialus{0, 1, 11, 21, 31}));
    }

    void blockedSquaresShowWhileTheOptionIsOn() {
        frmMorvak ikkuna(Siemen(7));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        QAction* epakelvot = Komento(ikkuna, "mNaytaMahdottomatLaivaruudut");
        QVERIFY(epakelvot->isChecked());  // nothing stored yet: on
        QTest::mouseClick(Pelaajan(ikkuna, 8), Qt::LeftButton);
        const QList<int> varatut = Varatut(ikkuna);
        QCOMPARE(varatut, QList<int>({4, 9, 15, 16, 17, 18}));
        for (int n : varatut) QCOMPARE(Pelaajan(ikkuna, n)->kuva(), Kuva::Ohi);

        epakelvot->trigger();
        QVERIFY(!epakelvot->isChecked());
        for (int n : varatut) QCOMPARE(Pelaajan(ikkuna, n)->kuva(), Kuva::Vesi);
        QCOMPARE(Varatut(ikkuna), varatut);
        QTest::mouseClick(Pelaajan(ikkuna, 71), Qt::RightButton);
        QCOMPARE(Pelaajan(ikkuna, 61)->kuva(), Kuva::Vesi);

        epakelvot->trigger();
        QCOMPARE(Pelaajan(ikkuna, 61)->kuva(), Kuva::Ohi);
        QCOMPARE(Pelaajan(ikkuna, 4)->kuva(), Kuva::Ohi);
        QCOMPARE(Pelaajan(ikkuna, 8)->kuva(), Kuva::Laiva);

        for (int i = 2; i < 10; ++i)
            QTest::mouseClick(Pelaajan(ikkuna, LAIVASTO[i].ruutu), LAIVASTO[i].painike);
        // Firing has begun: the marks are gone and the toggle leaves the grid be.
        for (int n = 1; n <= 100; ++n) QVERIFY(Pelaajan(ikkuna, n)->kuva() != Kuva::Ohi);
        epakelvot->trigger();
        epakelvot->trigger();
        for (int n = 1; n <= 100; ++n) QVERIFY(Pelaajan(ikkuna, n)->kuva() != Kuva::Ohi);
    }

    void aStoredEdgeRuleBlocksTheRingAtTheNextStart() {
        Testipesa oma;
        bool avattiin = false;
        {
            frmMorvak ensimmainen(Siemen(7));
            ensimmainen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&ensimmainen));
            QCOMPARE(Pelaajan(ensimmainen, 1)->kuva(), Kuva::Vesi);
            KunModaalinenAukeaa(
                &ensimmainen,
                [](QWidget* auki) {
                    QTest::mouseClick(auki->findChild<QCheckBox*>("chkSijainti1"), Qt::LeftButton);
                    QTest::keyClick(Nappaimisto(auki), Qt::Key_Return);
                },
                &avattiin);
            Komento(ensimmainen, "mNaytaAsetukset")->trigger();
            QVERIFY(Vastannut(ensimmainen));
            QVERIFY(avattiin);
            // The game not yet begun is laid again under the new rule at once.
            QCOMPARE(Pelaajan(ensimmainen, 1)->kuva(), Kuva::Ohi);
        }

        frmMorvak seuraava(Siemen(8));
        seuraava.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seuraava));
        QVERIFY(!seuraava.Tila().LaivaSaaSijaitaReunassa);
        QCOMPARE(Pelaajan(seuraava, 1)->kuva(), Kuva::Ohi);
        QCOMPARE(seuraava.Tila().PelaajanRuudut[1], Sana::varattu);
        QTest::mouseClick(Pelaajan(seuraava, 1), Qt::LeftButton);
        QCOMPARE(seuraava.Tila().PelaajanLentotukialus, (Lentotukialus{0, -1, -1, -1, -1}));
        QTest::mouseClick(Pelaajan(seuraava, 12), Qt::LeftButton);
        QCOMPARE(seuraava.Tila().PelaajanLentotukialus, (Lentotukialus{0, 12, 13, 14, 15}));

        // The dialog shows the rule the run started with.
        bool reunaSallittu = true;
        KunModaalinenAukeaa(
            &seuraava,
            [&](QWidget* auki) {
                reunaSallittu = auki->findChild<QCheckBox*>("chkSijainti1")->isChecked();
                QTest::keyClick(Nappaimisto(auki), Qt::Key_Escape);
            },
            &avattiin);
        Komento(seuraava, "mNaytaAsetukset")->trigger();
        QVERIFY(Vastannut(seuraava));
        QVERIFY(avattiin);
        QVERIFY(!reunaSallittu);
    }
};

QTEST_MAIN(frmMorvakSijoitus_test)
#include "frmMorvakSijoitus_test.moc"
