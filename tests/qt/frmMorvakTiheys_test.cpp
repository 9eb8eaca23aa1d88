// A screen density the layout was not drawn for: the notice comes before the
// window is shown.

#include "qt/Sovellus.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

class frmMorvakTiheys_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void unusualDensityIsNoticedBeforeTheWindowShows() {
        Viestivastaaja vastaaja;
        bool ikkunaNakyvissa = false;
        vastaaja.ennenVastausta = [&](QMessageBox*) {
            for (QWidget* ikkuna : QApplication::topLevelWidgets())
                ikkunaNakyvissa |= qobject_cast<frmMorvak*>(ikkuna) && ikkuna->isVisible();
        };
        frmMorvak ikkuna(Siemen(1));
        QCOMPARE(ikkuna.logicalDpiY(), 144);
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QString("Tiedoksi"));
        QCOMPARE(vastaaja.nahdyt[0].teksti, QString("Ohjelman ulkoasussa saattaa esiintyä "
                                                    "puutteita\nkäyttämilläsi näytön "
                                                    "asetuksilla."));
        QCOMPARE(vastaaja.nahdyt[0].ikoni, QMessageBox::Information);
        QCOMPARE(vastaaja.nahdyt[0].painikkeet, QStringList({"OK"}));
        QVERIFY(!ikkunaNakyvissa);
        // The load went on to the first game.
        QCOMPARE(ikkuna.Tila().PelaajanRuudut[1], Sana::vesi);
        QVERIFY(ikkuna.Tila().SijoitusKaynnissa);
    }
};

int main(int argc, char** argv) {
    // Fonts forced to 144 dots per inch with no scaling of the layout to match.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "144");
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    frmMorvakTiheys_test testi;
    return QTest::qExec(&testi, argc, argv);
}

#include "frmMorvakTiheys_test.moc"
