#include "qt/frmTietoja.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "qt/Sormikursori.h"
#include "tests/qt/Dialogi.h"
#include "tests/qt/KirjaavaAvaaja.h"
#include "tests/qt/Modaalinen.h"

class frmTietoja_test : public QObject {
    Q_OBJECT

    static QLabel* Nimio(QWidget* ikkuna, const QString& nimi) {
        return ikkuna->findChild<QLabel*>(nimi);
    }
    static QPushButton* OK(QWidget* ikkuna) { return ikkuna->findChild<QPushButton*>("cmdOK"); }

  private slots:
    void showsNameIconAuthorAndLinks() {
        Dialogi<frmTietoja, frmTietojaMalli> ikkuna_;
        auto& ikkuna = ikkuna_.ikkuna;
        QCOMPARE(ikkuna.windowTitle(), QString("Tietoja ohjelmasta"));
        QCOMPARE(ikkuna.size(), QSize(347, 195));

        QLabel* nimi = Nimio(&ikkuna, "lblOhjelmanNimi");
        QCOMPARE(nimi->text(), QString("Morvak"));
        QVERIFY(nimi->font().bold());
        QCOMPARE(nimi->pos(), QPoint(80, 24));
        QVERIFY(!Nimio(&ikkuna, "picKuvake")->pixmap().isNull());
        QVERIFY(!Nimio(&ikkuna, "lblTekija")->text().isEmpty());
        QCOMPARE(ikkuna.findChild<QFrame*>("fraKehysviiva")->frameShape(), QFrame::HLine);

        QLabel* www = Nimio(&ikkuna, "lblWWW");
        QLabel* email = Nimio(&ikkuna, "lblEmail");
        QVERIFY(www->text().endsWith("/morvak/"));
        QVERIFY(!www->text().contains('?'));
        QVERIFY(email->text().contains('@'));
        QCOMPARE(www->pos(), QPoint(80, 104));
        QCOMPARE(email->pos(), QPoint(80, 120));
        for (QLabel* linkki : {www, email}) {
            QVERIFY(linkki->font().underline());
            QCOMPARE(linkki->palette().color(QPalette::WindowText), QColor(64, 64, 64));
        }

        QVERIFY(OK(&ikkuna)->isDefault());
        QCOMPARE(OK(&ikkuna)->geometry(), QRect(256, 160, 81, 25));
    }

    void linksShowThePointingHand() {
        Dialogi<frmTietoja, frmTietojaMalli> ikkuna_;
        auto& ikkuna = ikkuna_.ikkuna;
        const QCursor sormi = Sormikursori();
        for (const char* nimi : {"lblWWW", "lblEmail"}) {
            const QCursor osoitin = Nimio(&ikkuna, nimi)->cursor();
            QCOMPARE(osoitin.shape(), Qt::BitmapCursor);
            QCOMPARE(osoitin.hotSpot(), QPoint(5, 0));
            QCOMPARE(osoitin.bitmap().toImage(), sormi.bitmap().toImage());
            QCOMPARE(osoitin.mask().toImage(), sormi.mask().toImage());
        }
        QCOMPARE(OK(&ikkuna)->cursor().shape(), Qt::ArrowCursor);
    }

    void enterAndEscBothClose() {
        for (const Qt::Key nappain : {Qt::Key_Return, Qt::Key_Escape}) {
            Dialogi<frmTietoja, frmTietojaMalli> ikkuna_;
            auto& ikkuna = ikkuna_.ikkuna;
            const int tulos = AjaModaalisena(ikkuna, [&] {
                QCOMPARE(QApplication::focusWidget(), OK(&ikkuna));
                QTest::keyClick(Nappaimisto(&ikkuna), nappain);
            });
            QCOMPARE(tulos, int(QDialog::Accepted));
        }
    }

    void eachClickOnALinkOpensItAgain() {
        KirjaavaAvaaja avaaja;
        Dialogi<frmTietoja, frmTietojaMalli> ikkuna_;
        auto& ikkuna = ikkuna_.ikkuna;
        AjaModaalisena(ikkuna, [&] {
            QTest::mouseClick(Nimio(&ikkuna, "lblWWW"), Qt::LeftButton);
            QTest::mouseClick(Nimio(&ikkuna, "lblWWW"), Qt::LeftButton);
            QTest::mouseClick(Nimio(&ikkuna, "lblEmail"), Qt::LeftButton);
            QTest::mouseClick(Nimio(&ikkuna, "lblEmail"), Qt::RightButton);
            QVERIFY2(ikkuna.isVisible(), "the About box stays open while links open");
            OK(&ikkuna)->click();
        });

        QCOMPARE(avaaja.avaukset.size(), std::size_t{3});
        const QUrl kotisivu(Nimio(&ikkuna, "lblWWW")->text() + "?morvak12");
        const QUrl posti("mailto:" + Nimio(&ikkuna, "lblEmail")->text());
        QCOMPARE(avaaja.avaukset[0].kohde, kotisivu);
        QCOMPARE(avaaja.avaukset[1].kohde, kotisivu);
        QCOMPARE(avaaja.avaukset[2].kohde, posti);
        QVERIFY(!posti.hasQuery());
        for (const auto& avaus : avaaja.avaukset) {
            QCOMPARE(avaus.omistaja, static_cast<const QWidget*>(&ikkuna));
            QCOMPARE(avaus.naytto, Nayttokomento::Piilotettu);
            QVERIFY(avaus.tiimalasi);
        }
        QVERIFY2(!QApplication::overrideCursor(), "the default pointer is back");
    }
};

QTEST_MAIN(frmTietoja_test)
#include "frmTietoja_test.moc"
