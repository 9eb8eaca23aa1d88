// Nothing ticks while nothing happens: an idle main window holds no timer,
// whether the player is placing, is to shoot, or a game has just been won or
// lost. The computer's pause is the only timer, and it is gone once it ends.

#include "qt/Sovellus.h"
#include "tests/qt/Ajastimet.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

constexpr auto LYHYT_TAUKO = std::chrono::milliseconds(1);

// Lets what the last event posted run, as an idle event loop would.
void Tyhjenna() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Shoots the computer's ship squares, or only its water and then all but one
// ship square, until the game ends; its boxes are answered meanwhile.
void PelaaLoppuun(frmMorvak& ikkuna, bool voitto) {
    Viestivastaaja vastaaja;
    const Ruudukko ruudut = ikkuna.Tila().KoneenRuudut;
    std::vector<int> jarjestys;
    for (int n = 1; n <= 100; ++n)
        if ((ruudut[n] == Sana::laiva) == voitto) jarjestys.push_back(n);
    for (int n = 1; n <= 100 && !voitto; ++n)
        if (ruudut[n] == Sana::laiva) jarjestys.push_back(n);
    for (int n : jarjestys) {
        if (!ikkuna.Tila().PeliKaynnissa) break;
        Ammu(ikkuna, n);
    }
}

}  // namespace

class frmMorvakJoutoaika_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void anIdleWindowHoldsNoTimerInAnyPhase() {
        frmMorvak ikkuna(Siemen(3));
        ikkuna.Malli().Saannot().TauonPituus = LYHYT_TAUKO;
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        Tyhjenna();
        QCOMPARE(AktiivisetAjastimet(), QStringList());

        SijoitaLaivasto(ikkuna);
        Tyhjenna();
        QVERIFY(ikkuna.Tila().AmmuntaKaynnissa);
        QCOMPARE(AktiivisetAjastimet(), QStringList());

        PelaaLoppuun(ikkuna, true);
        Tyhjenna();
        QCOMPARE(ikkuna.Tila().PelaajanOsumat, 20);
        QCOMPARE(Ohje(ikkuna)->text(),
                 QString("Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella."));
        QCOMPARE(AktiivisetAjastimet(), QStringList());

        // Without a streak the loss asks for no name.
        ikkuna.Tila().PerakkaisetVoitot = 0;
        Komento(ikkuna, "mUusiPeli")->trigger();
        SijoitaLaivasto(ikkuna);
        PelaaLoppuun(ikkuna, false);
        Tyhjenna();
        QCOMPARE(ikkuna.Tila().KoneenOsumat, 20);
        QCOMPARE(Ohje(ikkuna)->text(),
                 QString("Aloita uusi peli painamalla Uusi peli -painiketta."));
        QCOMPARE(AktiivisetAjastimet(), QStringList());
    }

    void thePauseRunsTheWindowsOneTimerAndOnlyWhileItLasts() {
        frmMorvak ikkuna(Siemen(3));
        ikkuna.Malli().Saannot().TauonPituus = std::chrono::milliseconds(200);
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        SijoitaLaivasto(ikkuna);
        int vesi = 1;
        while (ikkuna.Tila().KoneenRuudut[vesi] == Sana::laiva) ++vesi;
        QTest::mouseClick(Koneen(ikkuna, vesi), Qt::LeftButton);
        QCOMPARE(AktiivisetAjastimet(), QStringList{"QTimer 200 ms"});
        QVERIFY(OdotaVuoro(ikkuna));
        Tyhjenna();

        QVERIFY(ikkuna.Tila().PelaajanVuoro);
        QCOMPARE(AktiivisetAjastimet(), QStringList());
    }
};

QTEST_MAIN(frmMorvakJoutoaika_test)
#include "frmMorvakJoutoaika_test.moc"
