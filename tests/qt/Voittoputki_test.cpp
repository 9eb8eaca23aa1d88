// Winning streaks reach the list through the real windows: games won by
// clicking, the streak ended by a new game or by quitting, the name typed
// into the name dialog, and the list found again after a restart.

#include <sqlite3.h>

#include <QLineEdit>
#include <filesystem>

#include "qt/Valintaikkuna.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "store/mdlMorvak2.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"

namespace {

constexpr auto LYHYT_TAUKO = std::chrono::milliseconds(1);

// Lays the fleet and sinks every ship of the computer. The computer's
// nineteen shots in between can never sink all twenty of the player's squares.
void VoitaPeli(frmMorvak& ikkuna) {
    SijoitaLaivasto(ikkuna);
    for (int n = 1; n <= 100; ++n) {
        if (ikkuna.Tila().KoneenRuudut[n] == Sana::laiva) {
            Ammu(ikkuna, n);
        }
    }
    // The turn timer gives the new-game command back on its next tick.
    QTRY_VERIFY(Komento(ikkuna, "mUusiPeli")->isEnabled());
}

// A won game, and a new one under way: the player has laid the carrier.
void VoitaJaAloitaUusi(frmMorvak& ikkuna) {
    VoitaPeli(ikkuna);
    Komento(ikkuna, "mUusiPeli")->trigger();
    QTest::mouseClick(Pelaajan(ikkuna, 8), Qt::LeftButton);
}

// Every value stored under the game's key, read from the hive with SQLite
// itself rather than the game's reader: "name type bytes", the bytes as they
// lie in the file, the terminating zero shown as \0.
QStringList Tallennetut(const std::filesystem::path& pesa) {
    QStringList rivit;
    sqlite3* kanta = nullptr;
    sqlite3_stmt* lause = nullptr;
    sqlite3_open_v2(pesa.c_str(), &kanta, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_prepare_v2(kanta,
                       "SELECT name, type, data FROM vals WHERE key = "
                       "'Software\\Relvano\\Morvak 1.2 Freeware' ORDER BY name",
                       -1, &lause, nullptr);
    while (sqlite3_step(lause) == SQLITE_ROW) {
        const QByteArray data(static_cast<const char*>(sqlite3_column_blob(lause, 2)),
                              sqlite3_column_bytes(lause, 2));
        rivit << QString("%1 %2 %3")
                     .arg(reinterpret_cast<const char*>(sqlite3_column_text(lause, 0)))
                     .arg(sqlite3_column_int(lause, 1))
                     .arg(QString::fromUtf8(data).replace(QChar(0), "\\0"));
    }
    sqlite3_finalize(lause);
    sqlite3_close(kanta);
    return rivit;
}

bool ListaTyhja(const Pelitila& tila) {
    for (const std::string& nimi : tila.Parhaat.ParasPelaaja) {
        if (nimi != "Relvano") return false;
    }
    return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja0") == EI_LOYTYNYT;
}

}  // namespace

class Voittoputki_test : public QObject {
    Q_OBJECT

  private slots:
    void abandoningAGameWithEscGivesTheStreakUp() {
        Testipesa pesa;
        frmMorvak ikkuna(Siemen(5));
        ikkuna.Malli().Saannot().TauonPituus = LYHYT_TAUKO;
        ikkuna.show();
        Viestivastaaja vastaaja({QMessageBox::Ok, QMessageBox::Yes});
        VoitaJaAloitaUusi(ikkuna);
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 1);

        bool avattiin = false;
        KunAukeaa(
            &ikkuna, "frmKysyNimi",
            [](QWidget* kysyNimi) { QTest::keyClick(Nappaimisto(kysyNimi), Qt::Key_Escape); },
            &avattiin);
        Komento(ikkuna, "mUusiPeli")->trigger();

        QVERIFY(Vastannut(ikkuna));
        QVERIFY(avattiin);
        QCOMPARE(vastaaja.nahdyt.back().otsikko, QString("Uusi peli"));
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 0);
        QVERIFY(ListaTyhja(ikkuna.Tila()));
        QVERIFY2(!ikkuna.Tila().PeliKaynnissa, "the new game has started");
    }

    void theCloseBoxLeavesTheStreakStanding() {
        Testipesa pesa;
        frmMorvak ikkuna(Siemen(5));
        ikkuna.Malli().Saannot().TauonPituus = LYHYT_TAUKO;
        ikkuna.show();
        Viestivastaaja vastaaja({QMessageBox::Ok, QMessageBox::Yes});
        VoitaJaAloitaUusi(ikkuna);

        bool avattiin = false;
        KunAukeaa(
            &ikkuna, "frmKysyNimi", [](QWidget* kysyNimi) { kysyNimi->close(); }, &avattiin);
        Komento(ikkuna, "mUusiPeli")->trigger();

        QVERIFY(Vastannut(ikkuna));
        QVERIFY(avattiin);
        QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 1);
        QVERIFY(ListaTyhja(ikkuna.Tila()));
    }

    // Quitting ends the program's event loops for good, so this comes last.
    void twoWinsQuitNameAndTheListAfterARestart() {
        Testipesa pesa;
        {
            frmMorvak ikkuna(Siemen(5));
            ikkuna.Malli().Saannot().TauonPituus = LYHYT_TAUKO;
            ikkuna.show();
            Viestivastaaja vastaaja({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes});
            VoitaPeli(ikkuna);
            Komento(ikkuna, "mUusiPeli")->trigger();
            VoitaPeli(ikkuna);
            QVERIFY(Vastannut(ikkuna));
            QCOMPARE(ikkuna.Tila().PerakkaisetVoitot, 2);
            Komento(ikkuna, "mNaytaPainikkeet")->trigger();
            Komento(ikkuna, "mNaytaMahdottomatLaivaruudut")->trigger();

            QString teksti;
            bool avattiin = false;
            KunAukeaa(
                &ikkuna, "frmKysyNimi",
                [&](QWidget* kysyNimi) {
                    teksti = kysyNimi->findChild<QLabel*>("lblTeksti")->text();
                    Kirjoita(kysyNimi, "Mestäri");
                    QTest::keyClick(Nappaimisto(kysyNimi), Qt::Key_Return);
                },
                &avattiin);
            Komento(ikkuna, "mLopeta")->trigger();

            QTRY_VERIFY(ikkuna.Malli().Loppunut());
            QVERIFY(avattiin);
            QVERIFY(teksti.startsWith("Voitit 2 peliä peräkkäin"));
            QStringList odotetut = {"NaytaMahdottomatLaivaruudut 1 False\\0",
                                    "NaytaPainikkeet 1 False\\0", "ParasPelaaja0 1 Mestäri\\0"};
            for (int i = 1; i < 10; ++i) odotetut << QString("ParasPelaaja%1 1 Relvano\\0").arg(i);
            odotetut << "ParasTulos0 1 2\\0";
            for (int i = 1; i < 10; ++i) odotetut << QString("ParasTulos%1 1 0\\0").arg(i);
            QCOMPARE(Tallennetut(pesa.Tiedosto()), odotetut);
            QCOMPARE(vastaaja.nahdyt.back().otsikko, QString("Lopeta"));
            QVERIFY(!ikkuna.isVisible());
        }

        frmMorvak uusi(Siemen(6));
        frmParhaatTuloksetMalli malli(uusi.Tila(), uusi);
        Valintaikkuna lista(malli, &uusi);
        QCOMPARE(lista.findChild<QLabel*>("lblSija0")->text(), QString("1."));
        QCOMPARE(lista.findChild<QLabel*>("lblNimi0")->text(), QString("Mestäri"));
        QCOMPARE(lista.findChild<QLabel*>("lblTulos0")->text(), QString("2"));
        QCOMPARE(lista.findChild<QLabel*>("lblNimi1")->text(), QString("Relvano"));
    }

    void cleanup() {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }
};

QTEST_MAIN(Voittoputki_test)
#include "Voittoputki_test.moc"
