// The one generic dialog of the Qt face, wired to the dialogs' models: the
// table built in pixels, the model shown in the controls and read again
// after each act, the player's acts, keys and close box handed back, and
// the links' look and clicks. What each dialog loads and writes is the
// models' own, tested in the rules.

#include "qt/Valintaikkuna.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "qt/Sormikursori.h"
#include "qt/Sovellus.h"
#include "rules/about/frmTietojaMalli.h"
#include "rules/results/frmKysyNimiMalli.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "rules/results/frmTilastotMalli.h"
#include "rules/settings/frmAsetuksetMalli.h"
#include "store/mdlMorvak2.h"
#include "tests/qt/Dialogi.h"
#include "tests/qt/KirjaavaAvaaja.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Muuttuvamalli.h"

class Valintaikkuna_test : public QObject {
    Q_OBJECT

    Testipesa pesa;
    Pelitila tila;

    template <class T>
    static T* Saadin(QWidget* ikkuna, const QString& nimi) {
        T* saadin = ikkuna->findChild<T*>(nimi);
        if (!saadin) qFatal("no control %s", qPrintable(nimi));
        return saadin;
    }
    static QPushButton* Painike(QWidget* ikkuna, const QString& nimi) {
        return Saadin<QPushButton>(ikkuna, nimi);
    }

  private slots:
    // The font the tables were measured in: every text fits as drawn.
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void init() {
        tila = Pelitila();
        tila.LaivojenKulmatSaavatKoskettaa = true;
        tila.LaivaSaaSijaitaReunassa = true;
    }

    void theTableIsBuiltInPixelsAsAFixedCentredDialog() {
        Dialogi<frmAsetuksetMalli> d(tila);
        auto& ikkuna = d.ikkuna;
        QCOMPARE(ikkuna.windowTitle(), QString("Asetukset"));
        QCOMPARE(ikkuna.minimumSize(), QSize(345, 266));
        QCOMPARE(ikkuna.maximumSize(), QSize(345, 266));
        const Qt::WindowFlags liput = ikkuna.windowFlags();
        QVERIFY(!(liput & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(liput & Qt::WindowMaximizeButtonHint));
        QVERIFY(liput & Qt::WindowCloseButtonHint);
        QCOMPARE(Saadin<QGroupBox>(&ikkuna, "fraLaivojenSijainti")->geometry(),
                 QRect(8, 104, 233, 73));
        QCOMPARE(Saadin<QRadioButton>(&ikkuna, "optAloitustapa1")->pos(), QPoint(16, 40));
        QCheckBox* reuna = Saadin<QCheckBox>(&ikkuna, "chkSijainti1");
        QCOMPARE(reuna->parentWidget()->objectName(), QString("fraLaivojenSijainti"));
        QVERIFY(reuna->width() >= 193);
        QVERIFY(reuna->geometry().right() < 233);
        QCOMPARE(Painike(&ikkuna, "cmdPainike1")->geometry(), QRect(256, 40, 81, 25));
        QVERIFY(Painike(&ikkuna, "cmdPainike0")->isDefault());
        QVERIFY(!Painike(&ikkuna, "cmdPainike1")->isDefault());

        const QStringList odotettu = {"cmdPainike0",     "cmdPainike1",     "optAloitustapa0",
                                      "optAloitustapa1", "optAloitustapa2", "chkSijainti0",
                                      "chkSijainti1",    "optUppoaminen0",  "optUppoaminen1"};
        QStringList ketju;
        for (QWidget* s = Painike(&ikkuna, "cmdPainike0"); ketju.size() < odotettu.size();
             s = s->nextInFocusChain()) {
            if (s->focusPolicy() & Qt::TabFocus) ketju << s->objectName();
        }
        QCOMPARE(ketju, odotettu);

        QPoint keskikohta;
        AjaModaalisena(ikkuna, [&] {
            keskikohta = ikkuna.frameGeometry().center();
            ikkuna.close();
        });
        const QPoint naytonKeskus = ikkuna.screen()->availableGeometry().center();
        QVERIFY((keskikohta - naytonKeskus).manhattanLength() <= 2);
    }

    void theControlsShowTheModelAndTheirActsGoToIt() {
        tila.PerakkaisetVoitot = 1;
        Dialogi<frmAsetuksetMalli> d(tila);
        auto& ikkuna = d.ikkuna;
        QVERIFY(Saadin<QRadioButton>(&ikkuna, "optAloitustapa0")->isChecked());
        QVERIFY(Saadin<QCheckBox>(&ikkuna, "chkSijainti1")->isChecked());
        QVERIFY(Saadin<QRadioButton>(&ikkuna, "optUppoaminen1")->isChecked());
        QCOMPARE(Saadin<QCheckBox>(&ikkuna, "chkSijainti1")->text(),
                 QString("Laiva saa sijaita &ruudukon reunassa"));
        QVERIFY(!Saadin<QGroupBox>(&ikkuna, "fraLaivojenSijainti")->isEnabled());
        QVERIFY(!Saadin<QCheckBox>(&ikkuna, "chkSijainti0")->isEnabled());
        QVERIFY(Saadin<QRadioButton>(&ikkuna, "optAloitustapa2")->isEnabled());

        const int tulos = AjaModaalisena(ikkuna, [&] {
            QTest::mouseClick(Saadin<QRadioButton>(&ikkuna, "optAloitustapa2"), Qt::LeftButton);
            QTest::mouseClick(Saadin<QRadioButton>(&ikkuna, "optUppoaminen0"), Qt::LeftButton);
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Return);
        });

        QCOMPARE(tulos, int(QDialog::Accepted));
        QCOMPARE(tila.PelinAloitustapa, std::string("Edellisen pelin voittanut"));
        QVERIFY(tila.NaytetaanLaivojenUppoaminen);
    }

    void escAndTheCloseBoxGoToTheModel() {
        for (const bool esc : {true, false}) {
            Dialogi<frmAsetuksetMalli> d(tila);
            auto& ikkuna = d.ikkuna;
            const int tulos = AjaModaalisena(ikkuna, [&] {
                QTest::mouseClick(Saadin<QCheckBox>(&ikkuna, "chkSijainti0"), Qt::LeftButton);
                if (esc) {
                    QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Escape);
                } else {
                    ikkuna.close();
                }
            });
            QCOMPARE(tulos, int(QDialog::Rejected));
            QVERIFY(!d.malli.Auki());
            QVERIFY(tila.LaivojenKulmatSaavatKoskettaa);
        }
    }

    // Whether an empty name may be entered is the model's; the box only
    // follows it.
    void aTextBoxTypesIntoTheModelWhichEnablesOk() {
        tila.PerakkaisetVoitot = 2;
        Dialogi<frmKysyNimiMalli> d(tila);
        auto& ikkuna = d.ikkuna;
        QLineEdit* nimi = Saadin<QLineEdit>(&ikkuna, "txtNimi");
        QCOMPARE(nimi->selectedText(), QString("Nimetön"));
        QCOMPARE(nimi->geometry(), QRect(8, 80, 233, 21));
        bool okKaytossa = true;

        const int tulos = AjaModaalisena(ikkuna, [&] {
            QCOMPARE(QApplication::focusWidget(), nimi);
            QTest::keyClick(nimi, Qt::Key_Delete);
            okKaytossa = Painike(&ikkuna, "cmdPainike0")->isEnabled();
            Kirjoita(&ikkuna, "ÄäkkösiäÄäkkösiäX");
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Return);
        });

        QVERIFY(!okKaytossa);
        QCOMPARE(tulos, int(QDialog::Accepted));
        QCOMPARE(tila.Parhaat.ParasPelaaja[0], std::string("ÄäkkösiäÄäkkösiä"));
    }

    // A model that changes on its own, as a list of found games does, is
    // shown again at once, and unloading itself closes the dialog.
    void aModelChangedOnItsOwnIsShownAgainAndItsUnloadCloses() {
        Ikkunapalvelut palvelut{nullptr, [](bool) {}};
        Muuttuvamalli malli(palvelut);
        QString naytetty;
        {
            Valintaikkuna ikkuna(malli, nullptr);
            const int tulos = AjaModaalisena(ikkuna, [&] {
                malli.Muuta("Löytyi: Ville");
                naytetty = Saadin<QLabel>(&ikkuna, "lblTila")->text();
                malli.Poistu();
            });
            QCOMPARE(tulos, int(QDialog::Rejected));
        }
        QCOMPARE(naytetty, QString("Löytyi: Ville"));
        // The dialog has gone: a change reaches nobody.
        malli.Muuta("Ei ketään");
    }

    // The nested tables would take the layout minutes if they were read as
    // markup; the window must open at once all the same.
    void picturesAreTheModelsAtTheirSizeNamedAndReachedByTab() {
        tila.Tilasto = {.pelatut = 1,
                        .voitot = 1,
                        .laukaukset = 20,
                        .osumat = 20,
                        .vahimmat = 20,
                        .jakauma = {1},
                        .viimeiset = "V"};
        Dialogi<frmTilastotMalli> d(tila);
        d.ikkuna.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.ikkuna));
        auto* kuva = Saadin<QLabel>(&d.ikkuna, "imgViimeiset");
        QCOMPARE(kuva->geometry(), QRect(16, 230, 273, 17));
        QCOMPARE(QAccessible::queryAccessibleInterface(kuva)->role(), QAccessible::Graphic);
        QCOMPARE(QAccessible::queryAccessibleInterface(kuva)->text(QAccessible::Name),
                 QString("Viimeiset pelit, vanhin ensin: voitto"));
        const QImage pikselit = kuva->pixmap().toImage();
        QCOMPARE(pikselit.size(), QSize(273, 17));
        QCOMPARE(pikselit.pixel(3, 8) & 0xFFFFFF, QRgb(0x2E8B3A));
        QCOMPARE(kuva->focusPolicy(), Qt::TabFocus);
    }

    void labelsShowTheirTextAsItIsAndAreReadAgainAfterEachAct() {
        QString sisakkain;
        for (int i = 0; i < 20; ++i) sisakkain += "<table><tr><td>";
        const QStringList nimet = {"<h1>Ville</h1>", "<img src=r.png>", sisakkain,
                                   "<b>A</b> &amp; B"};
        for (int i = 0; i < nimet.size(); ++i) {
            tila.Parhaat.ParasPelaaja[static_cast<std::size_t>(i)] = nimet[i].toStdString();
        }
        Dialogi<frmParhaatTuloksetMalli> d(tila);
        auto& ikkuna = d.ikkuna;
        QCOMPARE(Saadin<QLabel>(&ikkuna, "lblTulos3")->alignment() & Qt::AlignRight,
                 Qt::AlignRight);

        Viestivastaaja vastaaja({QMessageBox::Yes});
        QStringList naytetyt;
        QStringList luetut;
        QString tyhjennetty;
        const int tulos = AjaModaalisena(ikkuna, [&] {
            for (int i = 0; i < nimet.size(); ++i) {
                QLabel* nimio = Saadin<QLabel>(&ikkuna, "lblNimi" + QString::number(i));
                naytetyt << nimio->text();
                luetut << QAccessible::queryAccessibleInterface(nimio)->text(QAccessible::Name);
            }
            QTest::mouseClick(Painike(&ikkuna, "cmdPainike1"), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return !d.malli.Kysyy(); }));
            tyhjennetty = Saadin<QLabel>(&ikkuna, "lblNimi0")->text();
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Escape);
        });

        QCOMPARE(naytetyt, nimet);
        QCOMPARE(luetut, nimet);
        QCOMPARE(sisakkain.size(), 300);
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QCOMPARE(tyhjennetty, QString("Relvano"));
        QCOMPARE(tulos, int(QDialog::Accepted));
    }

    void linksLookLikeLinksAndHandTheirClicksToTheRules() {
        KirjaavaAvaaja avaaja;
        Dialogi<frmTietojaMalli> d;
        auto& ikkuna = d.ikkuna;
        QVERIFY(!Saadin<QLabel>(&ikkuna, "picKuvake")->pixmap().isNull());
        QVERIFY(Saadin<QLabel>(&ikkuna, "lblOhjelmanNimi")->font().bold());
        QCOMPARE(ikkuna.findChild<QFrame*>("fraKehysviiva")->frameShape(), QFrame::HLine);
        QLabel* www = Saadin<QLabel>(&ikkuna, "lblWWW");
        QLabel* email = Saadin<QLabel>(&ikkuna, "lblEmail");
        const QCursor sormi = Sormikursori();
        for (QLabel* linkki : {www, email}) {
            QVERIFY(linkki->font().underline());
            QCOMPARE(linkki->palette().color(QPalette::WindowText), QColor(64, 64, 64));
            QCOMPARE(linkki->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(linkki->cursor().hotSpot(), QPoint(5, 0));
            QCOMPARE(linkki->cursor().pixmap().toImage(), sormi.pixmap().toImage());
        }
        QCOMPARE(Painike(&ikkuna, "cmdOK")->cursor().shape(), Qt::ArrowCursor);

        // When a press clicks is the rules'; the label hands them its presses,
        // the second of a double-click marked as such, and its releases.
        const int tulos = AjaModaalisena(ikkuna, [&] {
            QCOMPARE(QApplication::focusWidget(), Painike(&ikkuna, "cmdOK"));
            QTest::mouseClick(www, Qt::LeftButton);
            // A double-click: its second press comes as the double-click.
            QTest::mouseClick(email, Qt::LeftButton);
            QTest::mouseDClick(email, Qt::LeftButton);
            QTest::mouseRelease(email, Qt::LeftButton);
            QTest::keyClick(Nappaimisto(&ikkuna), Qt::Key_Return);
        });

        QCOMPARE(tulos, int(QDialog::Accepted));
        QCOMPARE(avaaja.avaukset.size(), std::size_t{2});
        QCOMPARE(avaaja.avaukset[1].kohde, QUrl("mailto:palaute@morvak.fi"));
        for (const auto& avaus : avaaja.avaukset) {
            QCOMPARE(avaus.omistaja, static_cast<const QWidget*>(&ikkuna));
            QCOMPARE(avaus.naytto, Nayttokomento::Piilotettu);
            QVERIFY(avaus.tiimalasi);
        }
        QVERIFY2(!QApplication::overrideCursor(), "the default pointer is back");
    }
};

QTEST_MAIN(Valintaikkuna_test)
#include "Valintaikkuna_test.moc"
