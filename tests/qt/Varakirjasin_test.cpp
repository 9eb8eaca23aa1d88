// Every caption and text fits its control also in a font the layout was not
// measured in: the desktop's fallback when Liberation Sans is missing, at the
// game's size and a size larger.

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "qt/Sovellus.h"
#include "rules/about/frmTietojaMalli.h"
#include "rules/results/frmKysyNimiMalli.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "rules/settings/frmAsetuksetMalli.h"
#include "tests/qt/Dialogi.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

// What does not fit in `ikkuna`: a text wider than its control, a label of
// several lines taller than its room, a control that sticks out of the
// window or overlaps the control below it.
QStringList Ahtaat(QWidget* ikkuna) {
    QStringList ahtaat;
    const QRect alue = ikkuna->rect();
    for (QWidget* saadin : ikkuna->findChildren<QWidget*>()) {
        if (!saadin->isVisibleTo(ikkuna) || saadin->objectName().isEmpty()) continue;
        const QString nimi = saadin->objectName();
        const QRect paikka(saadin->mapTo(ikkuna, QPoint(0, 0)), saadin->size());
        if (!alue.contains(paikka) && nimi != "fraKehysviiva")
            ahtaat << nimi + " outside the window";
        auto* nimio = qobject_cast<QLabel*>(saadin);
        if (nimio && nimio->wordWrap() && nimio->heightForWidth(nimio->width()) > nimio->height())
            ahtaat << nimi + " cuts its lines";
        const bool rivi = (nimio && !nimio->wordWrap() && nimio->pixmap().isNull()) ||
                          qobject_cast<QAbstractButton*>(saadin);
        if (rivi && saadin->sizeHint().width() > saadin->width()) ahtaat << nimi + " cuts its text";
    }
    return ahtaat;
}

void Nayta(QWidget* ikkuna) {
    ikkuna->show();
    QVERIFY(QTest::qWaitForWindowExposed(ikkuna));
}

}  // namespace

class Varakirjasin_test : public QObject {
    Q_OBJECT

    Testipesa pesa;
    Pelitila tila;

  private slots:
    void initTestCase() {
        ValmisteleSovellus(*qobject_cast<QApplication*>(qApp));
        QVERIFY(QFontDatabase::families().contains("DejaVu Sans"));
    }

    void everyWindowFitsItsTexts_data() {
        QTest::addColumn<int>("pikselit");
        QTest::newRow("the game's size") << 11;
        QTest::newRow("larger") << 13;
    }

    void everyWindowFitsItsTexts() {
        QFETCH(int, pikselit);
        QFont vara("DejaVu Sans");
        vara.setPixelSize(pikselit);
        QApplication::setFont(vara);
        // The longest texts the game can show: the largest streak, sixteen of
        // the widest letter as a name.
        tila.PerakkaisetVoitot = 32767;
        tila.Parhaat.ParasPelaaja.fill("WWWWWWWWWWWWWWWW");
        tila.Parhaat.ParasTulos.fill(32767);

        Dialogi<frmKysyNimiMalli> kysyNimi(tila);
        Dialogi<frmAsetuksetMalli> asetukset(tila);
        Dialogi<frmParhaatTuloksetMalli> parhaat(tila);
        Dialogi<frmTietojaMalli> tietoja;
        for (QWidget* ikkuna : std::initializer_list<QWidget*>{&kysyNimi.ikkuna, &asetukset.ikkuna,
                                                               &parhaat.ikkuna, &tietoja.ikkuna}) {
            Nayta(ikkuna);
            QVERIFY2(Ahtaat(ikkuna).isEmpty(),
                     qPrintable(ikkuna->objectName() + ": " + Ahtaat(ikkuna).join(", ")));
        }
        frmMorvak paaikkuna(Siemen(2));
        Nayta(&paaikkuna);
        QCOMPARE(Ahtaat(paaikkuna.centralWidget()), QStringList());
        // The longest instruction: a won game at the end of the largest streak.
        paaikkuna.Tila().PeliKaynnissa = false;
        paaikkuna.Tila().PelaajanOsumat = 20;
        paaikkuna.Tila().PerakkaisetVoitot = 32767;
        paaikkuna.Malli().Saannot().Paivita();
        QCOMPARE(Ahtaat(paaikkuna.centralWidget()), QStringList());
    }

    void theNameEntryGrowsForLinesAFontTakesMoreRoomFor() {
        QFont vara("DejaVu Sans");
        vara.setPixelSize(13);
        QApplication::setFont(vara);
        tila.PerakkaisetVoitot = 32767;
        Dialogi<frmKysyNimiMalli> ikkuna(tila);
        Nayta(&ikkuna.ikkuna);
        auto* teksti = ikkuna.ikkuna.findChild<QLabel*>("lblTeksti");
        auto* nimi = ikkuna.ikkuna.findChild<QLineEdit*>("txtNimi");
        QVERIFY(teksti->height() > 65);
        // The gap of the table, 1200 - (120 + 975) twips, stays between them.
        QCOMPARE(nimi->y() - (teksti->y() + teksti->height()), 7);
        QCOMPARE(ikkuna.ikkuna.height(), 112 + teksti->height() - 65);
    }
};

QTEST_MAIN(Varakirjasin_test)
#include "Varakirjasin_test.moc"
