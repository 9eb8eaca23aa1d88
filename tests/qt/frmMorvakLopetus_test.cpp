// Quitting: the question, both answers, from the menu, the button and the
// close box, and in the middle of the computer's pause.

#include "qt/Sovellus.h"
#include "store/mdlMorvak2.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"

namespace {

const Viesti LOPETUS{"Lopeta",
                     "Haluatko varmasti lopettaa Morvak-ohjelman käytön?",
                     QMessageBox::Question,
                     {"&Ei", "&Kyllä"},
                     "&Ei"};

bool Sama(const Viesti& a, const Viesti& b) {
    return a.otsikko == b.otsikko && a.teksti == b.teksti && a.ikoni == b.ikoni &&
           a.painikkeet == b.painikkeet && a.oletus == b.oletus;
}

int VesiRuutu(frmMorvak& ikkuna) {
    for (int n = 1; n <= 100; ++n) {
        if (ikkuna.Tila().KoneenRuudut[n] != Sana::laiva) return n;
    }
    return 0;
}

}  // namespace

class frmMorvakLopetus_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void noKeepsTheGameAsItWas() {
        frmMorvak ikkuna(Siemen(5));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        QTest::mouseClick(Pelaajan(ikkuna, 8), Qt::LeftButton);
        Viestivastaaja vastaaja({QMessageBox::No, QMessageBox::No, QMessageBox::No});

        Komento(ikkuna, "mLopeta")->trigger();
        QVERIFY(Vastannut(ikkuna));
        QTest::mouseClick(Painike(ikkuna, 1), Qt::LeftButton);
        QVERIFY(Vastannut(ikkuna));
        QVERIFY(!ikkuna.close());
        QVERIFY(Vastannut(ikkuna));

        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{3});
        for (const Viesti& viesti : vastaaja.nahdyt) QVERIFY(Sama(viesti, LOPETUS));
        QVERIFY(ikkuna.isVisible());
        QCOMPARE(ikkuna.Tila().PelaajanRuudut[8], Sana::laiva);
        QVERIFY(ikkuna.Tila().PeliKaynnissa);
        QVERIFY(!QApplication::overrideCursor());
    }

    void yesDuringThePauseEndsAtOnceAndTheShotNeverLands() {
        frmMorvak ikkuna(Siemen(5));
        ikkuna.Malli().Saannot().TauonPituus = std::chrono::minutes(1);
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        SijoitaLaivasto(ikkuna);
        const Pelitila ennen = ikkuna.Tila();
        Viestivastaaja vastaaja({QMessageBox::Yes});
        QTest::mouseClick(Koneen(ikkuna, VesiRuutu(ikkuna)), Qt::LeftButton);
        QVERIFY(ikkuna.Tila().TauonLoppu.has_value());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Komento(ikkuna, "mLopeta")->trigger();

        QTRY_VERIFY(ikkuna.Malli().Loppunut());
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QVERIFY(Sama(vastaaja.nahdyt[0], LOPETUS));
        QVERIFY(!ikkuna.isVisible());
        // Nothing of the computer's shot happened.
        const Pelitila& tila = ikkuna.Tila();
        QCOMPARE(tila.PelaajanRuudut, ennen.PelaajanRuudut);
        QCOMPARE(tila.KoneenViimeisinLaukaus, 0);
        QVERIFY(!tila.PelaajanVuoro);
        for (int n = 1; n <= 100; ++n) QVERIFY(Pelaajan(ikkuna, n)->kuva() != Kuva::OhiViimeksi);
    }

    void yesFromTheCloseBoxEndsTheProgram() {
        frmMorvak ikkuna(Siemen(5));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        Viestivastaaja vastaaja({QMessageBox::Yes});
        // The window stays until the question is answered.
        QVERIFY(!ikkuna.close());
        QTRY_VERIFY(ikkuna.Malli().Loppunut());
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QVERIFY(Sama(vastaaja.nahdyt[0], LOPETUS));
        QVERIFY(!ikkuna.isVisible());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void theSessionsEndAsksAndNoKeepsTheGame() {
        frmMorvak ikkuna(Siemen(5));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        Viestivastaaja vastaaja({QMessageBox::No});

        QVERIFY(!ikkuna.IstuntoPaattyy());

        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QVERIFY(Sama(vastaaja.nahdyt[0], LOPETUS));
        QVERIFY(ikkuna.isVisible());
    }

    // Logging out with a winning streak enters it in the list before the end.
    void theSessionsEndSettlesAWinningStreak() {
        frmMorvak ikkuna(Siemen(5));
        ikkuna.Malli().Saannot().TauonPituus = std::chrono::milliseconds(1);
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ikkuna));
        Viestivastaaja vastaaja({QMessageBox::Ok, QMessageBox::Yes});
        SijoitaLaivasto(ikkuna);
        for (int n = 1; n <= 100; ++n) {
            if (ikkuna.Tila().KoneenRuudut[n] == Sana::laiva) Ammu(ikkuna, n);
        }
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 1);
        bool avattiin = false;
        KunAukeaa(
            &ikkuna, "frmKysyNimi",
            [](QWidget* kysyNimi) {
                Kirjoita(kysyNimi, "Uloskirjautuja");
                QTest::keyClick(Nappaimisto(kysyNimi), Qt::Key_Return);
            },
            &avattiin);

        QVERIFY(ikkuna.IstuntoPaattyy());

        QVERIFY(avattiin);
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{2});
        QVERIFY(Sama(vastaaja.nahdyt[1], LOPETUS));
        QVERIFY(!ikkuna.isVisible());
        QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja0"), "Uloskirjautuja");
        QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasTulos0"), "1");
    }

    void cleanup() { LoppuSelvitetty(); }
};

QTEST_MAIN(frmMorvakLopetus_test)
#include "frmMorvakLopetus_test.moc"
