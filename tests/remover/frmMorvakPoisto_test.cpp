// The tool's one message box as the user sees it, answered by pressing its
// real OK button, over a private hive.

#include "remover/frmMorvakPoisto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/registry/rekisteri.h"

namespace {

const char* const AVAIN = "Software\\Relvano\\Morvak 1.2 Freeware";

struct NahtyRuutu {
    QString otsikko;
    QString teksti;
    QMessageBox::Icon kuvake = QMessageBox::NoIcon;
    QStringList painikkeet;
    int muitaIkkunoita = -1;
};

// Loads the form and records the box it shows, closing it with its OK button.
NahtyRuutu LataaJaKuittaa() {
    NahtyRuutu nahty;
    QTimer::singleShot(0, [&nahty] {
        auto* ruutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (ruutu == nullptr) return;
        nahty.otsikko = ruutu->windowTitle();
        nahty.teksti = ruutu->text();
        nahty.kuvake = ruutu->icon();
        nahty.muitaIkkunoita = 0;
        for (QWidget* ikkuna : QApplication::topLevelWidgets()) {
            if (ikkuna != ruutu && ikkuna->isVisible()) ++nahty.muitaIkkunoita;
        }
        for (QAbstractButton* painike : ruutu->buttons()) nahty.painikkeet << painike->text();
        if (!ruutu->buttons().isEmpty())
            QTest::mouseClick(ruutu->buttons().first(), Qt::LeftButton);
    });
    frmMorvakPoisto().Form_Load();
    return nahty;
}

void TallennaPelinArvo() {
    HKEY kahva = nullptr;
    QCOMPARE(RegCreateKeyA(HKEY_CURRENT_USER, AVAIN, &kahva), ERROR_SUCCESS);
    const char arvo[] = "True";
    QCOMPARE(RegSetValueExA(kahva, "NaytaPainikkeet", 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(arvo), sizeof arvo),
             ERROR_SUCCESS);
    RegCloseKey(kahva);
}

bool AvainOnOlemassa() {
    HKEY kahva = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, AVAIN, &kahva) != ERROR_SUCCESS) return false;
    RegCloseKey(kahva);
    return true;
}

}  // namespace

class frmMorvakPoistoTest : public QObject {
    Q_OBJECT

    QTemporaryDir hakemisto;

  private slots:
    void initTestCase() {
        QVERIFY(hakemisto.isValid());
        qputenv("XDG_CONFIG_HOME", hakemisto.path().toLocal8Bit());
    }

    void poistaaAvaimenJaKertooSen() {
        TallennaPelinArvo();
        const NahtyRuutu nahty = LataaJaKuittaa();
        QCOMPARE(nahty.otsikko, QString("Poistettu"));
        QCOMPARE(nahty.teksti, QString("Morvak-ohjelman järjestelmätiedot poistettu!"));
        QCOMPARE(nahty.kuvake, QMessageBox::Warning);
        QCOMPARE(nahty.painikkeet, QStringList{"OK"});
        QCOMPARE(nahty.muitaIkkunoita, 0);
        QVERIFY(!AvainOnOlemassa());
    }

    void kertooVirheenKunAvainOnJoPoissa() {
        QVERIFY(!AvainOnOlemassa());
        const NahtyRuutu nahty = LataaJaKuittaa();
        QCOMPARE(nahty.otsikko, QString("Virhe"));
        QCOMPARE(nahty.teksti, QString("Morvak-ohjelman järjestelmätietojen poisto ei onnistu."));
        QCOMPARE(nahty.kuvake, QMessageBox::Warning);
        QCOMPARE(nahty.painikkeet, QStringList{"OK"});
        QCOMPARE(nahty.muitaIkkunoita, 0);
    }
};

QTEST_MAIN(frmMorvakPoistoTest)
#include "frmMorvakPoisto_test.moc"
