#include "qt/frmKysyNimi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "store/mdlMorvak2.h"
#include "tests/qt/Dialogi.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"

class frmKysyNimi_test : public QObject {
    Q_OBJECT

    Pelitila tila;

    static QLineEdit* Nimi(QWidget* ikkuna) { return ikkuna->findChild<QLineEdit*>("txtNimi"); }
    static QLabel* Teksti(QWidget* ikkuna) { return ikkuna->findChild<QLabel*>("lblTeksti"); }
    static QPushButton* Painike(QWidget* ikkuna, int i) {
        return ikkuna->findChild<QPushButton*>("cmdPainike" + QString::number(i));
    }
    static std::string Lue(const std::string& nimi) {
        return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
    }
    // Scores 5, 3, 3, 2 and six zeros, with names A to J.
    void Lista() {
        const std::array<std::int16_t, 10> tulokset = {5, 3, 3, 2, 0, 0, 0, 0, 0, 0};
        for (std::size_t i = 0; i < 10; ++i) {
            tila.Parhaat.ParasPelaaja[i] = std::string(1, static_cast<char>('A' + i));
            tila.Parhaat.ParasTulos[i] = tulokset[i];
            tila.Parhaat.ParasTulosTeksti[i] = std::to_string(tulokset[i]);
        }
    }
    // The same list in the store, as the start found it.
    void ListaVarastossa() {
        Lista();
        tila.Parhaat.UusiParasPelaaja = tila.Parhaat.ParasPelaaja;
        tila.Parhaat.UusiParasTulos = tila.Parhaat.ParasTulos;
        QVERIFY(TallennaParhaatTulokset(tila.Parhaat));
    }

  private slots:
    void init() { tila = Pelitila(); }

    void firstShowingOffersNimetonWhollySelected() {
        tila.PerakkaisetVoitot = 1;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        QCOMPARE(ikkuna.windowTitle(), QString("Onneksi olkoon!"));
        QCOMPARE(Teksti(&ikkuna)->text(),
                 QString("Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten "
                         "listalle.\n\n\nKirjoita nimesi:"));
        QCOMPARE(Nimi(&ikkuna)->text(), QString("Nimetön"));
        QCOMPARE(Nimi(&ikkuna)->selectedText(), QString("Nimetön"));
        QCOMPARE(Nimi(&ikkuna)->maxLength(), 16);
        QCOMPARE(ikkuna.size(), QSize(345, 112));
        QCOMPARE(Nimi(&ikkuna)->geometry(), QRect(8, 80, 233, 21));
        QCOMPARE(Teksti(&ikkuna)->geometry(), QRect(8, 8, 233, 65));
        QVERIFY(Painike(&ikkuna, 0)->isDefault());
        QCOMPARE(Painike(&ikkuna, 1)->text(), QString("Peruuta"));
        QCOMPARE(Nimi(&ikkuna)->nextInFocusChain(), Painike(&ikkuna, 0));
        QCOMPARE(Painike(&ikkuna, 0)->nextInFocusChain(), Painike(&ikkuna, 1));
    }

    void pluralTextForLongerStreaks() {
        tila.PerakkaisetVoitot = 12;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        QCOMPARE(Teksti(&ikkuna)->text(),
                 QString("Voitit 12 peliä peräkkäin ja pääset tuloksellasi parhaiden tulosten "
                         "listalle.\n\n\nKirjoita nimesi:"));
    }

    void typedNameEntersWithEnterAndIsOfferedNextTime() {
        Testipesa pesa;
        ListaVarastossa();
        tila.PerakkaisetVoitot = 3;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        const int tulos = AjaModaalisena(ikkuna, [&] {
            QCOMPARE(QApplication::focusWidget(), Nimi(&ikkuna));
            Kirjoita(&ikkuna, " Öljy-Äijä ");
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Return);
        });

        QCOMPARE(tulos, int(QDialog::Accepted));
        QCOMPARE(tila.PerakkaisetVoitot, 0);
        QCOMPARE(tila.Parhaat.ParasPelaaja[3], std::string(" Öljy-Äijä "));
        QCOMPARE(tila.Parhaat.ParasTulos[3], std::int16_t{3});
        QCOMPARE(tila.Parhaat.ParasPelaaja[4], std::string("D"));
        QCOMPARE(Lue("ParasPelaaja3"), std::string(" Öljy-Äijä "));
        QCOMPARE(Lue("ParasTulos3"), std::string("3"));
        QCOMPARE(Lue("ParasPelaaja9"), std::string("I"));

        tila.PerakkaisetVoitot = 1;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> toinen_(tila);
        auto& toinen = toinen_.ikkuna;
        QCOMPARE(Nimi(&toinen)->text(), QString(" Öljy-Äijä "));
        QCOMPARE(Nimi(&toinen)->selectedText(), QString(" Öljy-Äijä "));
    }

    void emptyNameDisablesOkAndEnter() {
        tila.PerakkaisetVoitot = 2;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        bool auki = false;
        bool okKaytossa = true;

        AjaModaalisena(ikkuna, [&] {
            QTest::keyClick(Nimi(&ikkuna), Qt::Key_Delete);
            okKaytossa = Painike(&ikkuna, 0)->isEnabled();
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Return);
            auki = ikkuna.isVisible();
            QTest::keyClick(Nimi(&ikkuna), Qt::Key_Space);
            QVERIFY2(Painike(&ikkuna, 0)->isEnabled(), "a space is a name too");
            Painike(&ikkuna, 1)->click();
        });

        QVERIFY(!okKaytossa);
        QVERIFY2(auki, "Enter does nothing while OK is disabled");
    }

    void sixteenCharactersAtMost() {
        tila.PerakkaisetVoitot = 2;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        AjaModaalisena(ikkuna, [&] {
            Kirjoita(&ikkuna, "ÄäkkösiäÄäkkösiäX");
            Painike(&ikkuna, 1)->click();
        });
        QCOMPARE(Nimi(&ikkuna)->text(), QString("ÄäkkösiäÄäkkösiä"));
    }

    void escGivesTheStreakUpWithoutAnEntry() {
        Testipesa pesa;
        Lista();
        tila.PerakkaisetVoitot = 3;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        const int tulos = AjaModaalisena(ikkuna, [&] {
            Kirjoita(&ikkuna, "Luovuttaja");
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Escape);
        });

        QCOMPARE(tulos, int(QDialog::Rejected));
        QCOMPARE(tila.PerakkaisetVoitot, 0);
        QCOMPARE(tila.Parhaat.ParasPelaaja[3], std::string("D"));
        QCOMPARE(Lue("ParasPelaaja0"), std::string(EI_LOYTYNYT));
        QVERIFY(tila.ViimeksiListallePaassytPelaaja.empty());
    }

    void closeBoxChangesNothing() {
        Testipesa pesa;
        Lista();
        tila.PerakkaisetVoitot = 3;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        const int tulos = AjaModaalisena(ikkuna, [&] {
            Kirjoita(&ikkuna, "Sulkija");
            ikkuna.close();
        });

        QCOMPARE(tulos, int(QDialog::Rejected));
        QCOMPARE(tila.PerakkaisetVoitot, 3);
        QCOMPARE(tila.Parhaat.ParasPelaaja[3], std::string("D"));
        QCOMPARE(Lue("ParasPelaaja0"), std::string(EI_LOYTYNYT));
    }

    void failedSaveKeepsTheEntryForTheRun() {
        Testipesa pesa;
        const std::filesystem::path tiedosto = pesa.Kansio() / "tiedosto";
        std::ofstream(tiedosto) << "ei kansio";
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((tiedosto / "config").string()));
        Lista();
        tila.PerakkaisetVoitot = 4;
        Dialogi<frmKysyNimi, frmKysyNimiMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        AjaModaalisena(ikkuna, [&] {
            Kirjoita(&ikkuna, "Pysyvä");
            Painike(&ikkuna, 0)->click();
        });

        QCOMPARE(tila.PerakkaisetVoitot, 0);
        QCOMPARE(tila.Parhaat.ParasPelaaja[1], std::string("Pysyvä"));
        QCOMPARE(tila.Parhaat.ParasTulos[1], std::int16_t{4});
        QCOMPARE(tila.Parhaat.ParasPelaaja[2], std::string("B"));
        QCOMPARE(Lue("ParasPelaaja1"), std::string(EI_LOYTYNYT));
    }
};

QTEST_MAIN(frmKysyNimi_test)
#include "frmKysyNimi_test.moc"
