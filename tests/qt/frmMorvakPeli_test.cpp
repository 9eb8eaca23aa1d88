// Whole games played through real clicks, with a short computer's pause.

#include <QSet>

#include "qt/Sovellus.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/store/Testipesa.h"

namespace {

// Long enough for the turn timer to tick and for a look at the window after it.
constexpr auto LYHYT_TAUKO = std::chrono::milliseconds(50);
constexpr int KATSE = 35;

// What the window shows while the computer takes its turn.
struct Tauolla {
    bool uusiPeliAlussa = false;  // in any pause, at its very start
    QString ohje;
    bool uusiPeliKaytossa = true;
    bool painikkeetKaytossa = true;
    bool tiimalasi = false;
    int kertoja = 0;
};

class Peluri {
  public:
    explicit Peluri(std::uint64_t siemen) : ikkuna(Siemen(siemen)) {
        ikkuna.Malli().Saannot().TauonPituus = LYHYT_TAUKO;
        ikkuna.show();
        valmis = QTest::qWaitForWindowActive(&ikkuna);
    }

    // Shoots at the square and, should the computer answer, looks at the
    // window late in its pause.
    void Ammu(int ruutu) {
        QTimer::singleShot(0, &ikkuna, [this] {
            if (ikkuna.Tila().PeliKaynnissa && !ikkuna.Tila().PelaajanVuoro)
                tauolla.uusiPeliAlussa |= Komento(ikkuna, "mUusiPeli")->isEnabled();
        });
        QTimer::singleShot(KATSE, &ikkuna, [this] { Havaitse(); });
        QVERIFY(::Ammu(ikkuna, ruutu));
    }

    frmMorvak ikkuna;
    bool valmis = false;
    Tauolla tauolla;

  private:
    void Havaitse() {
        if (!ikkuna.Tila().PeliKaynnissa || ikkuna.Tila().PelaajanVuoro) return;
        ++tauolla.kertoja;
        tauolla.ohje = Ohje(ikkuna)->text();
        tauolla.uusiPeliKaytossa = Komento(ikkuna, "mUusiPeli")->isEnabled();
        tauolla.painikkeetKaytossa =
            Painike(ikkuna, 0)->isEnabled() || Painike(ikkuna, 1)->isEnabled();
        tauolla.tiimalasi = QApplication::overrideCursor() &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }
};

// The offscreen platform gives the keyboard back to no window when a message
// box closes; a window system gives it to the main window.
void Aktivoi(frmMorvak& ikkuna) {
    ikkuna.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ikkuna));
}

// Every time a watched control is turned on or off, in order.
class Kaytossaolo : public QObject {
  public:
    QList<bool> muutokset;

  protected:
    bool eventFilter(QObject* kohde, QEvent* tapahtuma) override {
        if (tapahtuma->type() == QEvent::EnabledChange)
            muutokset << static_cast<QWidget*>(kohde)->isEnabled();
        return QObject::eventFilter(kohde, tapahtuma);
    }
};

QList<int> Ruudut(const Ruudukko& ruudukko, Sana sana) {
    QList<int> ruudut;
    for (int n = 1; n <= 100; ++n) {
        if (ruudukko[n] == sana) ruudut << n;
    }
    return ruudut;
}

}  // namespace

class frmMorvakPeli_test : public QObject {
    Q_OBJECT

    Testipesa pesa;

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    // The face runs the timer the rules ask for, at the length a player sees,
    // and hands its expiry back; neither the menu command nor the buttons
    // come back on before the computer's turn is over.
    void theComputersPauseRunsOnTheWindowsTimerWithTheNewGameCommandsOff() {
        frmMorvak ikkuna(Siemen(8));
        ikkuna.show();
        QVERIFY(QTest::qWaitForWindowActive(&ikkuna));
        SijoitaLaivasto(ikkuna);
        // Nothing of the placing is left to show when the shot begins.
        QCoreApplication::sendPostedEvents();
        QVERIFY(Komento(ikkuna, "mUusiPeli")->isEnabled());
        QList<bool> komento;
        connect(Komento(ikkuna, "mUusiPeli"), &QAction::enabledChanged, this,
                [&](bool kaytossa) { komento << kaytossa; });
        Kaytossaolo painikkeet;
        Painike(ikkuna, 0)->installEventFilter(&painikkeet);
        Painike(ikkuna, 1)->installEventFilter(&painikkeet);
        int vesi = 1;
        while (ikkuna.Tila().KoneenRuudut[vesi] == Sana::laiva) ++vesi;

        // The first event the pause lets through.
        bool alussaKaytossa = true;
        QMetaObject::invokeMethod(
            &ikkuna,
            [&] {
                alussaKaytossa = Komento(ikkuna, "mUusiPeli")->isEnabled() ||
                                 Painike(ikkuna, 0)->isEnabled() || Painike(ikkuna, 1)->isEnabled();
            },
            Qt::QueuedConnection);
        QTest::mouseClick(Koneen(ikkuna, vesi), Qt::LeftButton);
        QVERIFY(ikkuna.Tila().TauonLoppu.has_value());
        QCOMPARE(ikkuna.Tila().KoneenViimeisinLaukaus, 0);
        QVERIFY(OdotaVuoro(ikkuna));

        QVERIFY(!alussaKaytossa);
        QVERIFY(ikkuna.Tila().KoneenViimeisinLaukaus != 0);
        // The shot that ends the pause shows the commands on again at once.
        QCOMPARE(komento, (QList<bool>{false, true}));
        QCOMPARE(painikkeet.muutokset, (QList<bool>{false, false, true, true}));
    }

    void sinkingEveryShipWinsAndTheStreakGrows() {
        Peluri peli(11);
        frmMorvak& ikkuna = peli.ikkuna;
        QVERIFY(peli.valmis);
        Viestivastaaja vastaaja;
        SijoitaLaivasto(ikkuna);
        const QList<int> laivat = Ruudut(ikkuna.Tila().KoneenRuudut, Sana::laiva);
        QCOMPARE(laivat.size(), 20);

        for (int i = 0; i < laivat.size(); ++i) {
            peli.Ammu(laivat[i]);
            QCOMPARE(Koneen(ikkuna, laivat[i])->kuva(), Kuva::OsumaViimeksi);
            QVERIFY(!Koneen(ikkuna, laivat[i])->isEnabled());
            QVERIFY(!Sormi(Koneen(ikkuna, laivat[i])));
            if (i > 0) QCOMPARE(Koneen(ikkuna, laivat[i - 1])->kuva(), Kuva::Osuma);
            if (i < laivat.size() - 1) {
                QCOMPARE(ikkuna.Tila().PelaajanOsumat, i + 1);
                QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Sinun vuorosi. Valitse "
                                                           "oikeanpuoleisesta ruudukosta "
                                                           "ammuttava ruutu."));
            }
        }
        // The twentieth hit wins; the computer does not answer it.
        QCOMPARE(ikkuna.Tila().PelaajanOsumat, 20);
        QCOMPARE(peli.tauolla.kertoja, 19);
        QCOMPARE(peli.tauolla.ohje,
                 QString("Odota hetki, vastustajasi ampuu jotakin ruuduistasi..."));
        QVERIFY(!peli.tauolla.uusiPeliAlussa);
        QVERIFY(!peli.tauolla.uusiPeliKaytossa);
        QVERIFY(!peli.tauolla.painikkeetKaytossa);
        QVERIFY(peli.tauolla.tiimalasi);

        QVERIFY(Vastannut(ikkuna));
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QString("Voitit"));
        QCOMPARE(vastaaja.nahdyt[0].teksti,
                 QString("Onneksi olkoon, upotit kaikki vastustajasi laivat!"));
        QCOMPARE(vastaaja.nahdyt[0].ikoni, QMessageBox::Information);
        QCOMPARE(vastaaja.nahdyt[0].painikkeet, QStringList({"OK"}));
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 1);
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Olet voittanut yhden pelin. Jatka "
                                                   "pelaamista Uusi peli -painikkeella."));
        QVERIFY(Painike(ikkuna, 0)->isEnabled());
        QVERIFY(Komento(ikkuna, "mUusiPeli")->isEnabled());
        QVERIFY(!QApplication::overrideCursor());

        // Sunk ships show their surroundings as misses; no square stays
        // clickable.
        const Pelitila& tila = ikkuna.Tila();
        QVERIFY(!Ruudut(tila.KoneenRuudut, Sana::ohi).isEmpty());
        for (int n = 1; n <= 100; ++n) {
            QVERIFY(!Sormi(Koneen(ikkuna, n)));
            if (tila.KoneenRuudut[n] == Sana::ohi) QCOMPARE(Koneen(ikkuna, n)->kuva(), Kuva::Ohi);
        }
        const int laukausMaara =
            static_cast<int>(Ruudut(tila.PelaajanRuudut, Sana::ohi).size() +
                             Ruudut(tila.PelaajanRuudut, Sana::uponnut).size());
        QVERIFY(laukausMaara >= 19);

        // A click after the game changes nothing.
        const int vapaa = Ruudut(tila.KoneenRuudut, Sana::vesi).value(0);
        Koneen(ikkuna, vapaa)->setEnabled(true);
        QTest::mouseClick(Koneen(ikkuna, vapaa), Qt::LeftButton);
        QCOMPARE(Koneen(ikkuna, vapaa)->kuva(), Kuva::Vesi);

        // The next win makes a streak of two.
        Aktivoi(ikkuna);
        QTest::keyClick(&ikkuna, Qt::Key_F2);
        SijoitaLaivasto(ikkuna);
        for (int n : Ruudut(ikkuna.Tila().KoneenRuudut, Sana::laiva)) peli.Ammu(n);
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 2);
        QTRY_COMPARE(Ohje(ikkuna)->text(), QString("Olet voittanut 2 peliä peräkkäin. Jatka "
                                                   "pelaamista Uusi peli -painikkeella."));
    }

    void missingEverythingLosesAndRevealsTheComputersShips() {
        Peluri peli(23);
        frmMorvak& ikkuna = peli.ikkuna;
        QVERIFY(peli.valmis);
        Viestivastaaja vastaaja;
        SijoitaLaivasto(ikkuna);
        const Pelitila& tila = ikkuna.Tila();
        const QList<int> laivat = Ruudut(tila.KoneenRuudut, Sana::laiva);
        QList<int> vesi;
        for (int n = 1; n <= 100; ++n) {
            if (!laivat.contains(n)) vesi << n;
        }

        int viimeisin = 0;
        for (int n : vesi) {
            if (!tila.PeliKaynnissa) break;
            peli.Ammu(n);
            QCOMPARE(Koneen(ikkuna, n)->kuva(), Kuva::OhiViimeksi);
            if (viimeisin) QCOMPARE(Koneen(ikkuna, viimeisin)->kuva(), Kuva::Ohi);
            viimeisin = n;
            // Only the computer's latest shot carries the latest-shot mark.
            int merkittyja = 0;
            for (int m = 1; m <= 100; ++m) {
                const Kuva kuva = Pelaajan(ikkuna, m)->kuva();
                merkittyja += kuva == Kuva::OhiViimeksi || kuva == Kuva::OsumaViimeksi;
            }
            QCOMPARE(merkittyja, 1);
        }
        QVERIFY2(!tila.PeliKaynnissa, "the computer should win before the water runs out");
        QCOMPARE(tila.KoneenOsumat, 20);
        QCOMPARE(tila.PelaajanOsumat, 0);

        QVERIFY(Vastannut(ikkuna));
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        QCOMPARE(vastaaja.nahdyt[0].otsikko, QString("Hävisit"));
        QCOMPARE(vastaaja.nahdyt[0].teksti, QString("Vastustajasi upotti kaikki laivasi!"));
        QCOMPARE(vastaaja.nahdyt[0].ikoni, QMessageBox::Warning);
        QCOMPARE(vastaaja.nahdyt[0].painikkeet, QStringList({"OK"}));
        QCOMPARE(tila.PerakkaisetVoitot, 0);
        QTRY_COMPARE(Ohje(ikkuna)->text(),
                     QString("Aloita uusi peli painamalla Uusi peli -painiketta."));

        for (int n : laivat) QCOMPARE(Koneen(ikkuna, n)->kuva(), Kuva::Laiva);
        for (int n = 1; n <= 100; ++n) {
            QVERIFY(!Sormi(Koneen(ikkuna, n)));
            const Sana sana = tila.PelaajanRuudut[n];
            QVERIFY(sana != Sana::laiva);
            if (sana == Sana::uponnut) {
                QVERIFY(Pelaajan(ikkuna, n)->kuva() == Kuva::Osuma ||
                        Pelaajan(ikkuna, n)->kuva() == Kuva::OsumaViimeksi);
            }
        }

        // A new game after the loss clears both grids at once, no question.
        Komento(ikkuna, "mUusiPeli")->trigger();
        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{1});
        for (int n = 1; n <= 100; ++n) {
            QCOMPARE(Pelaajan(ikkuna, n)->kuva(), Kuva::Vesi);
            QCOMPARE(Koneen(ikkuna, n)->kuva(), Kuva::Vesi);
        }
    }

    void abandoningAGameWithAStreakAsksFirst() {
        Peluri peli(11);
        frmMorvak& ikkuna = peli.ikkuna;
        QVERIFY(peli.valmis);
        {
            Viestivastaaja voitto;
            SijoitaLaivasto(ikkuna);
            for (int n : Ruudut(ikkuna.Tila().KoneenRuudut, Sana::laiva)) peli.Ammu(n);
            QVERIFY(Vastannut(ikkuna));
            QCOMPARE(voitto.nahdyt.size(), std::size_t{1});
        }
        // The turn timer gives the new-game commands back on its next tick.
        QTRY_VERIFY(Komento(ikkuna, "mUusiPeli")->isEnabled());
        Aktivoi(ikkuna);
        QTest::keyClick(&ikkuna, Qt::Key_F2);
        QTest::mouseClick(Pelaajan(ikkuna, 8), Qt::LeftButton);
        ikkuna.Tila().Parhaat.ParasTulos[9] = 5;

        Viestivastaaja vastaaja({QMessageBox::No, QMessageBox::Yes});
        QTest::mouseClick(Painike(ikkuna, 0), Qt::LeftButton);
        QVERIFY(Vastannut(ikkuna));
        QCOMPARE(ikkuna.Tila().PelaajanRuudut[8], Sana::laiva);
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 1);
        QTest::mouseClick(Painike(ikkuna, 0), Qt::LeftButton);
        QVERIFY(Vastannut(ikkuna));
        QCOMPARE(ikkuna.Tila().PelaajanRuudut[8], Sana::vesi);
        // Short of the tenth place, the streak simply ends.
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 0);

        QCOMPARE(vastaaja.nahdyt.size(), std::size_t{2});
        for (const Viesti& viesti : vastaaja.nahdyt) {
            QCOMPARE(viesti.otsikko, QString("Uusi peli"));
            QCOMPARE(viesti.teksti, QString("Haluatko varmasti keskeyttää nykyisen pelin ja\n"
                                            "aloittaa uuden?"));
            QCOMPARE(viesti.ikoni, QMessageBox::Question);
            QCOMPARE(viesti.oletus, QString("&Ei"));
        }
    }
};

QTEST_MAIN(frmMorvakPeli_test)
#include "frmMorvakPeli_test.moc"
