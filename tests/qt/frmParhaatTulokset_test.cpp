#include "qt/frmParhaatTulokset.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "store/mdlMorvak2.h"
#include "tests/qt/Dialogi.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"

class frmParhaatTulokset_test : public QObject {
    Q_OBJECT

    Pelitila tila;

    static QLabel* Nimio(QWidget* ikkuna, const QString& nimi) {
        return ikkuna->findChild<QLabel*>(nimi);
    }
    static QPushButton* Painike(QWidget* ikkuna, int i) {
        return ikkuna->findChild<QPushButton*>("cmdPainike" + QString::number(i));
    }
    // What a screen reader reads from the label: the text as it is shown.
    static QString Luettava(QWidget* nimio) {
        return QAccessible::queryAccessibleInterface(nimio)->text(QAccessible::Name);
    }

  private slots:
    void init() { tila = Pelitila(); }

    void emptyStoreShowsTenDefaultPlaces() {
        Testipesa pesa;
        LataaParhaatTulokset(tila.Parhaat);
        Dialogi<frmParhaatTulokset, frmParhaatTuloksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        QCOMPARE(ikkuna.windowTitle(), QString("Parhaat tulokset"));
        QCOMPARE(ikkuna.findChild<QGroupBox*>("frParhaat")->title(),
                 QString("Eniten pelejä peräkkäin voittaneet"));
        for (int i = 0; i < 10; ++i) {
            const QString n = QString::number(i);
            QCOMPARE(Nimio(&ikkuna, "lblSija" + n)->text(), QString::number(i + 1) + ".");
            QCOMPARE(Nimio(&ikkuna, "lblNimi" + n)->text(), QString("Relvano"));
            QCOMPARE(Nimio(&ikkuna, "lblTulos" + n)->text(), QString("0"));
            QCOMPARE(Nimio(&ikkuna, "lblSija" + n)->pos(), QPoint(24, 32 + 16 * i));
            QCOMPARE(Nimio(&ikkuna, "lblTulos" + n)->alignment() & Qt::AlignRight, Qt::AlignRight);
        }
        QCOMPARE(Painike(&ikkuna, 1)->text(), QString("&Tyhjennä"));
        QVERIFY(!Painike(&ikkuna, 1)->isEnabled());
        QVERIFY(Painike(&ikkuna, 0)->isDefault());
    }

    // The nested tables would take the layout minutes if they were read as
    // markup; the window must open at once all the same.
    void namesFromTheStoreShowAsTheirOwnTextNeverAsMarkup() {
        Testipesa pesa;
        QString sisakkain;
        for (int i = 0; i < 20; ++i) sisakkain += "<table><tr><td>";
        const QStringList nimet = {"<h1>Ville</h1>", "<img src=r.png>", sisakkain,
                                   "<b>A</b> &amp; B"};
        for (int i = 0; i < nimet.size(); ++i) {
            QVERIFY(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                        "ParasPelaaja" + std::to_string(i), REG_SZ,
                                        nimet[i].toStdString()));
        }
        LataaParhaatTulokset(tila.Parhaat);
        Dialogi<frmParhaatTulokset, frmParhaatTuloksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        QStringList naytetyt;
        QStringList luetut;
        const int tulos = AjaModaalisena(ikkuna, [&] {
            for (int i = 0; i < nimet.size(); ++i) {
                QLabel* nimio = Nimio(&ikkuna, "lblNimi" + QString::number(i));
                naytetyt << nimio->text();
                luetut << Luettava(nimio);
            }
            Painike(&ikkuna, 0)->click();
        });

        QCOMPARE(tulos, int(QDialog::Accepted));
        QCOMPARE(naytetyt, nimet);
        QCOMPARE(luetut, nimet);
        QCOMPARE(sisakkain.size(), 300);
    }

    void fixedCentredDialogWithOnlyTheCloseBox() {
        Dialogi<frmParhaatTulokset, frmParhaatTuloksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;
        QCOMPARE(ikkuna.minimumSize(), QSize(361, 225));
        QCOMPARE(ikkuna.maximumSize(), QSize(361, 225));
        const Qt::WindowFlags liput = ikkuna.windowFlags();
        QVERIFY(!(liput & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(liput & Qt::WindowMaximizeButtonHint));
        QVERIFY(liput & Qt::WindowCloseButtonHint);
        QCOMPARE(Painike(&ikkuna, 0)->geometry(), QRect(272, 8, 81, 25));
        QCOMPARE(Painike(&ikkuna, 1)->geometry(), QRect(272, 40, 81, 25));

        QPoint keskikohta;
        AjaModaalisena(ikkuna, [&] {
            keskikohta = ikkuna.frameGeometry().center();
            Painike(&ikkuna, 0)->click();
        });
        const QPoint naytonKeskus = ikkuna.screen()->availableGeometry().center();
        QVERIFY((keskikohta - naytonKeskus).manhattanLength() <= 2);
    }

    void showsTheLiveListAndClearFollowsTheExactDefault() {
        for (int i = 0; i < 10; ++i) {
            tila.Parhaat.ParasPelaaja[static_cast<std::size_t>(i)] = "Relvano";
        }
        tila.Parhaat.ParasPelaaja[4] = "relvano";
        Dialogi<frmParhaatTulokset, frmParhaatTuloksetMalli> eriKirjain_(tila);
        auto& eriKirjain = eriKirjain_.ikkuna;
        QCOMPARE(Nimio(&eriKirjain, "lblNimi4")->text(), QString("relvano"));
        QVERIFY(Painike(&eriKirjain, 1)->isEnabled());

        tila.Parhaat.ParasPelaaja[4] = "Relvano";
        tila.Parhaat.ParasTulos[2] = 12;
        Dialogi<frmParhaatTulokset, frmParhaatTuloksetMalli> tulos_(tila);
        auto& tulos = tulos_.ikkuna;
        QCOMPARE(Nimio(&tulos, "lblTulos2")->text(), QString("12"));
        QVERIFY(Painike(&tulos, 1)->isEnabled());
    }

    void clearAsksAndNoKeepsEverything() {
        Testipesa pesa;
        tila.Parhaat.ParasPelaaja.fill("Relvano");
        tila.Parhaat.ParasPelaaja[0] = "Voittaja";
        tila.Parhaat.ParasTulos[0] = 4;
        Dialogi<frmParhaatTulokset, frmParhaatTuloksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        Viestivastaaja vastaaja({QMessageBox::No});
        const int tulos = AjaModaalisena(ikkuna, [&] {
            QTest::mouseClick(Painike(&ikkuna, 1), Qt::LeftButton);
            QVERIFY(ikkuna.isVisible());
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Escape);
        });

        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        const Viesti& kysymys = vastaaja.nahdyt[0];
        QCOMPARE(kysymys.otsikko, QString("Tyhjennä"));
        QCOMPARE(kysymys.teksti, QString("Haluatko varmasti tyhjentää parhaiden tulosten listan?"));
        QCOMPARE(kysymys.ikoni, QMessageBox::Question);
        QCOMPARE(kysymys.painikkeet, (QStringList{"&Ei", "&Kyllä"}));
        QCOMPARE(kysymys.oletus, QString("&Ei"));
        QCOMPARE(tulos, int(QDialog::Accepted));  // Esc presses OK, also the cancel button
        QCOMPARE(tila.Parhaat.ParasPelaaja[0], std::string("Voittaja"));
        QCOMPARE(Nimio(&ikkuna, "lblNimi0")->text(), QString("Voittaja"));
        QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja0"),
                 std::string(EI_LOYTYNYT));
    }

    void clearYesEmptiesListStoreAndWindow() {
        Testipesa pesa;
        tila.Parhaat.ParasPelaaja.fill("Relvano");
        tila.Parhaat.ParasPelaaja[0] = "Voittaja";
        tila.Parhaat.ParasTulos[0] = 4;
        tila.Parhaat.ParasTulosTeksti[0] = "4";
        Dialogi<frmParhaatTulokset, frmParhaatTuloksetMalli> ikkuna_(tila);
        auto& ikkuna = ikkuna_.ikkuna;

        Viestivastaaja vastaaja({QMessageBox::Yes});
        bool auki = false;
        const int tulos = AjaModaalisena(ikkuna, [&] {
            QTest::mouseClick(Painike(&ikkuna, 1), Qt::LeftButton);
            auki = ikkuna.isVisible();
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Return);
        });

        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QVERIFY2(auki, "the window stays open showing the cleared list");
        QCOMPARE(tulos, int(QDialog::Accepted));
        QCOMPARE(Nimio(&ikkuna, "lblNimi0")->text(), QString("Relvano"));
        QCOMPARE(Nimio(&ikkuna, "lblTulos0")->text(), QString("0"));
        QVERIFY(!Painike(&ikkuna, 1)->isEnabled());
        QCOMPARE(tila.Parhaat.ParasTulos[0], std::int16_t{0});
        QCOMPARE(tila.Parhaat.ParasTulosTeksti[0], std::string("0"));
        for (int i = 0; i < 10; ++i) {
            const std::string n = std::to_string(i);
            QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja" + n),
                     std::string("Relvano"));
            QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasTulos" + n),
                     std::string("0"));
        }
    }
};

QTEST_MAIN(frmParhaatTulokset_test)
#include "frmParhaatTulokset_test.moc"
