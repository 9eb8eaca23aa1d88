// The Finnish message boxes: their buttons answer to their access keys, as
// Windows' own Finnish boxes do.

#include "qt/Viestilaatikot.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "tests/qt/Modaalinen.h"

class Viestilaatikot_test : public QObject {
    Q_OBJECT

    // The answer to the question when the key is pressed in its box.
    static bool Vastaus(Qt::Key nappain, bool* nahty) {
        KunModaalinenAukeaa(
            qApp, [](QWidget* ikkuna) { return qobject_cast<QMessageBox*>(ikkuna) != nullptr; },
            [nappain](QWidget* ruutu) { QTest::keyClick(Nappaimisto(ruutu), nappain); }, nahty);
        std::unique_ptr<QMessageBox> kysymys(
            Viestilaatikko(nullptr, "Lopeta", "Haluatko varmasti lopettaa?", Vahvistus()));
        return kysymys->exec() == QMessageBox::Yes;
    }

  private slots:
    void kAnswersYesAndEAnswersNo() {
        bool nahty = false;
        QVERIFY(Vastaus(Qt::Key_K, &nahty));
        QVERIFY(nahty);
        QVERIFY(!Vastaus(Qt::Key_E, &nahty));
        QVERIFY(nahty);
    }
};

QTEST_MAIN(Viestilaatikot_test)
#include "Viestilaatikot_test.moc"
