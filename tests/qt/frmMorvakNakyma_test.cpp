// The two view options of the menu "Näytä": what they change and that a new
// start of the program keeps them.

#include <QMenuBar>
#include <QSignalSpy>
#include <memory>
#include <optional>

#include "qt/Sovellus.h"
#include "store/mdlMorvak2.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

std::string Tallennettu(const char* nimi) {
    return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
}

int Asiakasalue(frmMorvak& ikkuna) { return ikkuna.centralWidget()->height(); }

std::unique_ptr<frmMorvak> Kaynnista() {
    auto ikkuna = std::make_unique<frmMorvak>(Siemen(3));
    ikkuna->show();
    if (!QTest::qWaitForWindowActive(ikkuna.get())) return nullptr;
    return ikkuna;
}

}  // namespace

class frmMorvakNakyma_test : public QObject {
    Q_OBJECT

    std::optional<Testipesa> pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }
    void init() { pesa.emplace(); }
    void cleanup() { pesa.reset(); }

    void firstStartShowsTheBandAndTheBlockedSquares() {
        auto ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QVERIFY(Komento(*ikkuna, "mNaytaPainikkeet")->isChecked());
        QVERIFY(Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut")->isChecked());
        QCOMPARE(Asiakasalue(*ikkuna), 340);
        QCOMPARE(ikkuna->height(), ikkuna->menuBar()->height() + 340);
    }

    void hidingTheBandShrinksTheWindowAndSurvivesARestart() {
        auto ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        Komento(*ikkuna, "mNaytaPainikkeet")->trigger();
        QVERIFY(!Komento(*ikkuna, "mNaytaPainikkeet")->isChecked());
        QCOMPARE(Asiakasalue(*ikkuna), 268);
        QCOMPARE(ikkuna->height(), ikkuna->menuBar()->height() + 268);
        QCOMPARE(ikkuna->size(), ikkuna->minimumSize());
        QCOMPARE(ikkuna->size(), ikkuna->maximumSize());
        // The whole band, instruction frame included, lies below the edge.
        QVERIFY(ikkuna->findChild<QWidget*>("fraOhje")->y() >= 268);
        QCOMPARE(Tallennettu("NaytaPainikkeet"), "False");
        // The showing after the command gives the hidden buttons back their keys.
        QVERIFY(Painike(*ikkuna, 0)->isEnabled());

        ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QVERIFY(!Komento(*ikkuna, "mNaytaPainikkeet")->isChecked());
        QCOMPARE(Asiakasalue(*ikkuna), 268);

        Komento(*ikkuna, "mNaytaPainikkeet")->trigger();
        QCOMPARE(Asiakasalue(*ikkuna), 340);
        QCOMPARE(Tallennettu("NaytaPainikkeet"), "True");
        ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QVERIFY(Komento(*ikkuna, "mNaytaPainikkeet")->isChecked());
        QCOMPARE(Asiakasalue(*ikkuna), 340);
    }

    void blockedSquareOptionSurvivesARestart() {
        auto ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut")->trigger();
        QCOMPARE(Tallennettu("NaytaMahdottomatLaivaruudut"), "False");
        ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QVERIFY(!Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut")->isChecked());
        QTest::mouseClick(Pelaajan(*ikkuna, 8), Qt::LeftButton);
        QCOMPARE(Pelaajan(*ikkuna, 9)->kuva(), Kuva::Vesi);

        Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut")->trigger();
        QCOMPARE(Tallennettu("NaytaMahdottomatLaivaruudut"), "True");
        ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QVERIFY(Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut")->isChecked());
    }

    void storedTextsOtherThanTrueAndFalseLeaveBothUnchecked() {
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ, "true");
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaMahdottomatLaivaruudut",
                            REG_SZ, "Kyllä");
        auto ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QVERIFY(!Komento(*ikkuna, "mNaytaPainikkeet")->isChecked());
        QVERIFY(!Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut")->isChecked());
        QCOMPARE(Asiakasalue(*ikkuna), 268);
    }

    void hiddenButtonsTakeTheirKeysButDoNothing() {
        auto ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        Viestivastaaja vastaaja;
        Komento(*ikkuna, "mNaytaPainikkeet")->trigger();
        QTRY_VERIFY(Painike(*ikkuna, 1)->isEnabled());
        QTest::mouseClick(Pelaajan(*ikkuna, 8), Qt::LeftButton);
        QSignalSpy lopeta(Painike(*ikkuna, 1), &QPushButton::clicked);
        QSignalSpy uusi(Painike(*ikkuna, 0), &QPushButton::clicked);

        // An access key presses its button after the button has shown itself down.
        QTest::keyClick(ikkuna.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(lopeta.count(), 1);
        QTest::keyClick(ikkuna.get(), Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(uusi.count(), 1);
        Painike(*ikkuna, 1)->setFocus();
        QTest::keyClick(Painike(*ikkuna, 1), Qt::Key_Return);
        QTest::keyClick(Painike(*ikkuna, 1), Qt::Key_Space);
        QCOMPARE(lopeta.count(), 3);
        // A box opens within the press that asks for it, and the answerer
        // records it before the press returns: none came.
        QVERIFY(vastaaja.nahdyt.empty());
        QVERIFY(ikkuna->isVisible());
        QCOMPARE(ikkuna->Tila().PelaajanRuudut[8], Sana::laiva);

        // Shown again, the same key asks whether to quit.
        Komento(*ikkuna, "mNaytaPainikkeet")->trigger();
        QTest::keyClick(ikkuna.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QString("Lopeta"));
        QVERIFY(ikkuna->isVisible());
    }

    void accessKeysOfTheMenuToggleTheBand() {
        auto ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QTest::keyClick(ikkuna.get(), Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QString("mnuNayta"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_I);
        QTRY_VERIFY(!Komento(*ikkuna, "mNaytaPainikkeet")->isChecked());
        QCOMPARE(Asiakasalue(*ikkuna), 268);
    }

    void enterWithNoButtonFocusedPressesUusiPeli() {
        auto ikkuna = Kaynnista();
        QVERIFY(ikkuna);
        QTest::mouseClick(Pelaajan(*ikkuna, 8), Qt::LeftButton);
        ikkuna->setFocus();
        QTest::keyClick(ikkuna.get(), Qt::Key_Return);
        // No streak: the new game starts without asking and clears the grid.
        QCOMPARE(ikkuna->Tila().PelaajanRuudut[8], Sana::vesi);
        QCOMPARE(Pelaajan(*ikkuna, 8)->kuva(), Kuva::Vesi);
    }
};

QTEST_MAIN(frmMorvakNakyma_test)
#include "frmMorvakNakyma_test.moc"
