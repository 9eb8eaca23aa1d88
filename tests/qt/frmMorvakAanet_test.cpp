// The window hands each sound the rules ask for to its player as the
// sound's file, and loads nothing of the desktop's sound library while the
// player keeps sounds off.

#include <dlfcn.h>

#include <QAction>
#include <string>
#include <vector>

#include "qt/Sovellus.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

bool KirjastoLadattu() {
    void* kirjasto = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (kirjasto != nullptr) dlclose(kirjasto);
    return kirjasto != nullptr;
}

}  // namespace

class frmMorvakAanet_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void aShotWithSoundsOffLoadsNoSoundLibrary() {
        frmMorvak ikkuna(Siemen(3));
        ikkuna.Malli().Saannot().TauonPituus = std::chrono::milliseconds(1);
        SijoitaLaivasto(ikkuna);
        QVERIFY(Ammu(ikkuna, ikkuna.Tila().KoneenSukellusveneet[1]));
        QVERIFY(!KirjastoLadattu());
    }

    // The computer's pause is long enough that only the player's shot sounds.
    void aSinkingShotReachesThePlayerAsItsFile() {
        frmMorvak ikkuna(Siemen(3));
        ikkuna.Malli().Saannot().TauonPituus = std::chrono::hours(1);
        std::vector<std::string> soitetut;
        ikkuna.Aanet().Korvaa("/aanet", [&](const std::string& t) { soitetut.push_back(t); });
        Komento(ikkuna, "mAanet")->trigger();
        SijoitaLaivasto(ikkuna);
        QTest::mouseClick(Koneen(ikkuna, ikkuna.Tila().KoneenSukellusveneet[1]), Qt::LeftButton);
        QCOMPARE(soitetut, std::vector<std::string>{"/aanet/uppoaminen.wav"});
    }
};

QTEST_MAIN(frmMorvakAanet_test)
#include "frmMorvakAanet_test.moc"
