#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt/frmMorvak.h"
#include "rules/results/frmKysyNimiMalli.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/qt/KirjaavaAvaaja.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"

// The main window's menu commands reach the dialogs and the links, and the
// rules' name entry reaches its dialog.
class Valikkokomennot_test : public QObject {
    Q_OBJECT

    static QAction* Komento(frmMorvak& ikkuna, const char* nimi) {
        return ikkuna.findChild<QAction*>(nimi);
    }

  private slots:
    void helpCommandsHandTheirTargetsToTheShell() {
        Testipesa pesa;
        KirjaavaAvaaja avaaja;
        frmMorvak ikkuna;
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowActive(&ikkuna));

        QTest::keyClick(&ikkuna, Qt::Key_F1);
        Komento(ikkuna, "mReadmeOhje")->trigger();
        Komento(ikkuna, "mOhjelmapaivitykset")->trigger();
        Komento(ikkuna, "mOhjelmapaivitykset")->trigger();
        Komento(ikkuna, "mPalautettaOhjelmasta")->trigger();
        Komento(ikkuna, "mVirheilmoitukset")->trigger();

        const QUrl readme = QUrl::fromLocalFile(
            QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("readme.txt"));
        const QUrl kotisivu("https://www.morvak.fi/morvak/?morvak12");
        const QUrl palaute("mailto:palaute@morvak.fi");
        const std::vector<std::pair<QUrl, Nayttokomento>> odotetut = {
            {readme, Nayttokomento::Normaali},     {readme, Nayttokomento::Normaali},
            {kotisivu, Nayttokomento::Piilotettu}, {kotisivu, Nayttokomento::Piilotettu},
            {palaute, Nayttokomento::Piilotettu},  {palaute, Nayttokomento::Piilotettu},
        };
        QCOMPARE(avaaja.avaukset.size(), odotetut.size());
        for (std::size_t i = 0; i < odotetut.size(); ++i) {
            QCOMPARE(avaaja.avaukset[i].omistaja, static_cast<const QWidget*>(&ikkuna));
            QCOMPARE(avaaja.avaukset[i].kohde, odotetut[i].first);
            QCOMPARE(avaaja.avaukset[i].naytto, odotetut[i].second);
            QVERIFY(avaaja.avaukset[i].tiimalasi);
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void aboutBoxLinksBelongToTheAboutBox() {
        Testipesa pesa;
        KirjaavaAvaaja avaaja;
        frmMorvak ikkuna;
        ikkuna.show();
        const QWidget* tietoja = nullptr;
        bool tietojaOhjelmasta = false;
        bool avattiin = false;
        KunModaalinenAukeaa(
            &ikkuna,
            [&](QWidget* auki) {
                tietoja = auki;
                tietojaOhjelmasta = auki->objectName() == "frmTietoja" &&
                                    auki->parentWidget() == static_cast<QWidget*>(&ikkuna);
                QTest::mouseClick(auki->findChild<QLabel*>("lblWWW"), Qt::LeftButton);
                QTest::mouseClick(auki->findChild<QLabel*>("lblEmail"), Qt::LeftButton);
                QTest::keyClick(Nappaimisto(auki), Qt::Key_Escape);
            },
            &avattiin);

        Komento(ikkuna, "mTietojaOhjelmasta")->trigger();

        QVERIFY(Vastannut(ikkuna));
        QVERIFY(avattiin);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(avaaja.avaukset.size(), std::size_t{2});
        QCOMPARE(avaaja.avaukset[0].kohde, QUrl("https://www.morvak.fi/morvak/?morvak12"));
        QCOMPARE(avaaja.avaukset[1].kohde, QUrl("mailto:palaute@morvak.fi"));
        QVERIFY2(tietojaOhjelmasta, "the About box, over the main window");
        for (const auto& avaus : avaaja.avaukset) {
            QCOMPARE(avaus.omistaja, tietoja);
            QCOMPARE(avaus.naytto, Nayttokomento::Piilotettu);
        }
    }

    void settingsFromTheMenuChangeTheGamesCornerRule() {
        Testipesa pesa;
        frmMorvak ikkuna;
        ikkuna.show();
        QVERIFY(ikkuna.Tila().LaivojenKulmatSaavatKoskettaa);
        bool avattiin = false;
        KunModaalinenAukeaa(
            &ikkuna,
            [](QWidget* auki) {
                QCOMPARE(auki->objectName(), QString("frmAsetukset"));
                QTest::mouseClick(auki->findChild<QCheckBox*>("chkSijainti0"), Qt::LeftButton);
                QTest::keyClick(Nappaimisto(auki), Qt::Key_Return);
            },
            &avattiin);

        Komento(ikkuna, "mNaytaAsetukset")->trigger();

        QVERIFY(Vastannut(ikkuna));
        QVERIFY(avattiin);
        QVERIFY(!ikkuna.Tila().LaivojenKulmatSaavatKoskettaa);
        QVERIFY(!QApplication::overrideCursor());
    }

    void bestResultsFromTheMenuShowTheLiveList() {
        Testipesa pesa;
        frmMorvak ikkuna;
        ikkuna.show();
        ikkuna.Tila().Parhaat.ParasPelaaja[0] = "Ykkönen";
        ikkuna.Tila().Parhaat.ParasTulos[0] = 5;
        QString nimi;
        QString tulos;
        bool avattiin = false;
        KunModaalinenAukeaa(
            &ikkuna,
            [&](QWidget* auki) {
                QCOMPARE(auki->objectName(), QString("frmParhaatTulokset"));
                nimi = auki->findChild<QLabel*>("lblNimi0")->text();
                tulos = auki->findChild<QLabel*>("lblTulos0")->text();
                QTest::keyClick(Nappaimisto(auki), Qt::Key_Return);
            },
            &avattiin);

        Komento(ikkuna, "mNaytaParhaatTulokset")->trigger();

        QVERIFY(Vastannut(ikkuna));
        QVERIFY(avattiin);
        QCOMPARE(nimi, QString("Ykkönen"));
        QCOMPARE(tulos, QString("5"));
    }

    void nameEntryOfTheRulesOpensTheNameDialog() {
        Testipesa pesa;
        frmMorvak ikkuna;
        ikkuna.show();
        ikkuna.Tila().PerakkaisetVoitot = 2;
        bool avattiin = false;
        KunModaalinenAukeaa(
            &ikkuna,
            [](QWidget* auki) {
                QCOMPARE(auki->objectName(), QString("frmKysyNimi"));
                Kirjoita(auki, "Putkinen");
                QTest::keyClick(Nappaimisto(auki), Qt::Key_Return);
            },
            &avattiin);

        frmKysyNimiMalli malli(ikkuna.Tila(), ikkuna);
        static_cast<Nakyma&>(ikkuna).NaytaDialogi(malli);

        QTRY_VERIFY(avattiin);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 0);
        QCOMPARE(ikkuna.Tila().Parhaat.ParasPelaaja[0], std::string("Putkinen"));
        QCOMPARE(ikkuna.Tila().Parhaat.ParasTulos[0], std::int16_t{2});
    }
};

QTEST_MAIN(Valikkokomennot_test)
#include "Valikkokomennot_test.moc"
