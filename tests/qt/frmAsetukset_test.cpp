#include "qt/frmAsetukset.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "store/mdlMorvak2.h"
#include "tests/qt/Dialogi.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"

class frmAsetukset_test : public QObject {
    Q_OBJECT

    Pelitila tila;

    template <class T>
    static T* Saadin(QWidget* ikkuna, const QString& nimi) {
        T* saadin = ikkuna->findChild<T*>(nimi);
        if (!saadin) qFatal("no control %s", qPrintable(nimi));
        return saadin;
    }
    static QRadioButton* Aloitus(QWidget* ikkuna, int i) {
        return Saadin<QRadioButton>(ikkuna, "optAloitustapa" + QString::number(i));
    }
    static QRadioButton* Uppoaminen(QWidget* ikkuna, int i) {
        return Saadin<QRadioButton>(ikkuna, "optUppoaminen" + QString::number(i));
    }
    static QCheckBox* Sijainti(QWidget* ikkuna, int i) {
        return Saadin<QCheckBox>(ikkuna, "chkSijainti" + QString::number(i));
    }
    static QPushButton* Painike(QWidget* ikkuna, int i) {
        return Saadin<QPushButton>(ikkuna, "cmdPainike" + QString::number(i));
    }
    static std::string Lue(const std::string& nimi) {
        return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
    }

    // Changes every choice away from what was loaded.
    static void MuutaKaikki(QWidget* ikkuna) {
        QTest::mouseClick(Aloitus(ikkuna, 2), Qt::LeftButton);
        QTest::mouseClick(Sijainti(ikkuna, 0), Qt::LeftButton);
        QTest::mouseClick(Sijainti(ikkuna, 1), Qt::LeftButton);
        QTest::mouseClick(Uppoaminen(ikkuna, 0), Qt::LeftButton);
    }

    void OdotaMuuttumattomana() {
        QCOMPARE(tila.PelinAloitustapa, std::string());
        QVERIFY(tila.LaivojenKulmatSaavatKoskettaa);
        QVERIFY(tila.LaivaSaaSijaitaReunassa);
        QVERIFY(!tila.NaytetaanLaivojenUppoaminen);
        QCOMPARE(Lue("PelinAloitustapa"), std::string(EI_LOYTYNYT));
        QCOMPARE(Lue("LaivojenKulmatSaavatKoskettaa"), std::string(EI_LOYTYNYT));
    }

  private slots:
    // The values a run starts from.
    void init() {
        tila = Pelitila();
        tila.LaivojenKulmatSaavatKoskettaa = true;
        tila.LaivaSaaSijaitaReunassa = true;
    }

    void firstOpeningOfARun() {
        Dialogi<frmAsetukset, frmAsetuksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        QCOMPARE(ikkuna.windowTitle(), QString("Asetukset"));
        QCOMPARE(ikkuna.size(), QSize(345, 266));
        QVERIFY(Aloitus(&ikkuna, 0)->isChecked());
        QCOMPARE(Aloitus(&ikkuna, 0)->text(), QString("&Vuoroaloitus"));
        QCOMPARE(Aloitus(&ikkuna, 2)->text(), QString("&Edellisen pelin voittanut aloittaa"));
        QVERIFY(Sijainti(&ikkuna, 0)->isChecked());
        QVERIFY(Sijainti(&ikkuna, 1)->isChecked());
        QCOMPARE(Sijainti(&ikkuna, 1)->text(), QString("Laiva saa sijaita &ruudukon reunassa"));
        QVERIFY(Uppoaminen(&ikkuna, 1)->isChecked());
        QCOMPARE(Uppoaminen(&ikkuna, 1)->text(), QString("&Uppoamisanimaatiota ei näytetä"));
        QVERIFY(Saadin<QGroupBox>(&ikkuna, "fraLaivojenSijainti")->isEnabled());
        QVERIFY(Sijainti(&ikkuna, 0)->isEnabled());
        QVERIFY(Painike(&ikkuna, 0)->isDefault());
        QCOMPARE(Painike(&ikkuna, 1)->text(), QString("Peruuta"));
    }

    void layoutFollowsTheTable() {
        Dialogi<frmAsetukset, frmAsetuksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        QCOMPARE(Saadin<QGroupBox>(&ikkuna, "fraAloitustapa")->geometry(), QRect(8, 8, 233, 89));
        QCOMPARE(Saadin<QGroupBox>(&ikkuna, "fraLaivojenSijainti")->geometry(),
                 QRect(8, 104, 233, 73));
        QCOMPARE(Saadin<QGroupBox>(&ikkuna, "fraLaivojenUppoaminen")->geometry(),
                 QRect(8, 184, 233, 73));
        QCOMPARE(Aloitus(&ikkuna, 1)->pos(), QPoint(16, 40));
        QCOMPARE(Sijainti(&ikkuna, 1)->pos(), QPoint(16, 40));
        QVERIFY(Sijainti(&ikkuna, 1)->width() >= 193);
        QVERIFY(Sijainti(&ikkuna, 1)->geometry().right() < 233);
        QCOMPARE(Painike(&ikkuna, 1)->geometry(), QRect(256, 40, 81, 25));
    }

    void tabOrderRunsFromTheButtonsThroughTheFrames() {
        Dialogi<frmAsetukset, frmAsetuksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        const QList<QWidget*> odotettu = {
            Painike(&ikkuna, 0),  Painike(&ikkuna, 1),    Aloitus(&ikkuna, 0),
            Aloitus(&ikkuna, 1),  Aloitus(&ikkuna, 2),    Sijainti(&ikkuna, 0),
            Sijainti(&ikkuna, 1), Uppoaminen(&ikkuna, 0), Uppoaminen(&ikkuna, 1)};
        QList<QWidget*> ketju;
        QWidget* saadin = Painike(&ikkuna, 0);
        while (ketju.size() < odotettu.size()) {
            if (saadin->focusPolicy() & Qt::TabFocus) ketju << saadin;
            saadin = saadin->nextInFocusChain();
        }
        QCOMPARE(ketju, odotettu);
    }

    void okStoresTheChoicesAndTheNextOpeningShowsThem() {
        Testipesa pesa;
        Dialogi<frmAsetukset, frmAsetuksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        const int tulos = AjaModaalisena(ikkuna, [&] {
            MuutaKaikki(&ikkuna);
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Return);
        });

        QCOMPARE(tulos, int(QDialog::Accepted));
        QCOMPARE(tila.PelinAloitustapa, std::string("Edellisen pelin voittanut"));
        QVERIFY(!tila.LaivojenKulmatSaavatKoskettaa);
        QVERIFY(!tila.LaivaSaaSijaitaReunassa);
        QVERIFY(tila.NaytetaanLaivojenUppoaminen);
        QCOMPARE(Lue("PelinAloitustapa"), std::string("Edellisen pelin voittanut"));
        QCOMPARE(Lue("LaivojenKulmatSaavatKoskettaa"), std::string("False"));
        QCOMPARE(Lue("LaivaSaaSijaitaReunassa"), std::string("False"));
        QCOMPARE(Lue("NaytetaanLaivojenUppoaminen"), std::string("True"));

        Dialogi<frmAsetukset, frmAsetuksetMalli> seuraava_(tila);
        auto& seuraava = seuraava_.ikkuna;
        QVERIFY(Aloitus(&seuraava, 2)->isChecked());
        QVERIFY(!Aloitus(&seuraava, 0)->isChecked());
        QVERIFY(!Sijainti(&seuraava, 0)->isChecked());
        QVERIFY(!Sijainti(&seuraava, 1)->isChecked());
        QVERIFY(Uppoaminen(&seuraava, 0)->isChecked());
    }

    void aStreakLocksThePlacementRules() {
        Testipesa pesa;
        tila.PerakkaisetVoitot = 1;
        tila.LaivaSaaSijaitaReunassa = false;
        Dialogi<frmAsetukset, frmAsetuksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        QVERIFY(!Saadin<QGroupBox>(&ikkuna, "fraLaivojenSijainti")->isEnabled());
        QVERIFY(!Sijainti(&ikkuna, 0)->isEnabled());
        QVERIFY(!Sijainti(&ikkuna, 1)->isEnabled());
        QVERIFY(Aloitus(&ikkuna, 1)->isEnabled());
        QVERIFY(Uppoaminen(&ikkuna, 0)->isEnabled());

        AjaModaalisena(ikkuna, [&] {
            MuutaKaikki(&ikkuna);
            QTest::mouseClick(Painike(&ikkuna, 0), Qt::LeftButton);
        });

        QVERIFY(tila.LaivojenKulmatSaavatKoskettaa);
        QVERIFY(!tila.LaivaSaaSijaitaReunassa);
        QCOMPARE(Lue("LaivojenKulmatSaavatKoskettaa"), std::string("True"));
        QCOMPARE(Lue("LaivaSaaSijaitaReunassa"), std::string("False"));
        QCOMPARE(Lue("PelinAloitustapa"), std::string("Edellisen pelin voittanut"));
    }

    void aGameInProgressLocksThemToo() {
        tila.PeliKaynnissa = true;
        Dialogi<frmAsetukset, frmAsetuksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        QVERIFY(!Sijainti(&ikkuna, 0)->isEnabled());
    }

    void peruutaEscAndTheCloseBoxChangeNothing() {
        Testipesa pesa;
        const std::function<void(frmAsetukset&)> sulkijat[] = {
            [](frmAsetukset& i) { QTest::mouseClick(Painike(&i, 1), Qt::LeftButton); },
            [](frmAsetukset& i) { QTest::keyClick(Nappaimisto(&i), Qt::Key_Escape); },
            [](frmAsetukset& i) { i.close(); },
        };
        for (const auto& sulje : sulkijat) {
            Dialogi<frmAsetukset, frmAsetuksetMalli> ikkuna_(tila);
            auto& ikkuna = ikkuna_.ikkuna;
            const int tulos = AjaModaalisena(ikkuna, [&] {
                MuutaKaikki(&ikkuna);
                sulje(ikkuna);
            });
            QCOMPARE(tulos, int(QDialog::Rejected));
            OdotaMuuttumattomana();
        }
    }
};

QTEST_MAIN(frmAsetukset_test)
#include "frmAsetukset_test.moc"
