// The game started against a store in every bad state it can be found in:
// missing, empty, garbage, locked by another process, in a folder it cannot
// write, holding values of the wrong type or length, odd scores and long
// multibyte names. Each time the game starts, plays a game, stores what it
// can, and loses nothing that was stored before.

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "qt/Sovellus.h"
#include "store/mdlMorvak2.h"
#include "tests/monkey/Invariantit.h"
#include "tests/qt/Ikkunatesti.h"
#include "tests/qt/Modaalinen.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Lukitsija.h"
#include "tests/support/Tallennuslukko.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* PELAAJA = "Testaaja";

// Every value the game reads.
std::vector<std::string> Luettavat() {
    std::vector<std::string> nimet = {"NaytaPainikkeet", "NaytaMahdottomatLaivaruudut"};
    for (int i = 0; i < 10; ++i) {
        nimet.push_back("ParasPelaaja" + std::to_string(i));
        nimet.push_back("ParasTulos" + std::to_string(i));
    }
    return nimet;
}

void Aseta(const std::string& nimi, DWORD tyyppi, const std::string& data) {
    HKEY avain = nullptr;
    RegCreateKeyA(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, &avain);
    RegSetValueExA(avain, nimi.c_str(), 0, tyyppi, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(avain);
}

// Names A to J with scores 9 down to 0, as the game would have stored them.
void TallennaLista() {
    for (int i = 0; i < 10; ++i) {
        Aseta("ParasPelaaja" + std::to_string(i), REG_SZ,
              std::string(1, static_cast<char>('A' + i)) + '\0');
        Aseta("ParasTulos" + std::to_string(i), REG_SZ, std::to_string(9 - i) + '\0');
    }
}

ParhaatTulokset Tallessa() {
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    return lista;
}

std::string Tavut(const fs::path& tiedosto) {
    std::ifstream sisaan(tiedosto, std::ios::binary);
    return {std::istreambuf_iterator<char>(sisaan), {}};
}

bool Ehea(const fs::path& tiedosto) {
    sqlite3* kanta = nullptr;
    std::string tulos;
    if (sqlite3_open_v2(tiedosto.c_str(), &kanta, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* lause = nullptr;
        sqlite3_prepare_v2(kanta, "PRAGMA integrity_check", -1, &lause, nullptr);
        if (sqlite3_step(lause) == SQLITE_ROW)
            tulos = reinterpret_cast<const char*>(sqlite3_column_text(lause, 0));
        sqlite3_finalize(lause);
    }
    sqlite3_close(kanta);
    return tulos == "ok";
}

// Whether another process holds the hive now: a write cannot begin at once.
bool Lukittu(const fs::path& tiedosto) {
    sqlite3* kanta = nullptr;
    sqlite3_open_v2(tiedosto.c_str(), &kanta, SQLITE_OPEN_READWRITE, nullptr);
    const int tulos = sqlite3_exec(kanta, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_exec(kanta, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(kanta);
    return tulos == SQLITE_BUSY;
}

// Calls `kun` at the window's first paint after this was made.
class Maalausvahti : public QObject {
  public:
    Maalausvahti(QWidget* ikkuna, std::function<void()> kun) : kun_(std::move(kun)) {
        ikkuna->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* tapahtuma) override {
        if (tapahtuma->type() == QEvent::Paint && kun_) std::exchange(kun_, nullptr)();
        return false;
    }

  private:
    std::function<void()> kun_;
};

// The process runs with the rights of `nobody` until this ends: root passes
// every permission check, and a folder the game cannot write needs a user
// that the folder's mode binds.
class IlmanOikeuksia {
  public:
    IlmanOikeuksia() : root_(geteuid() == 0) {
        if (root_ && seteuid(65534) != 0) std::perror("seteuid");
    }
    ~IlmanOikeuksia() {
        if (root_ && seteuid(0) != 0) std::perror("seteuid");
    }
    IlmanOikeuksia(const IlmanOikeuksia&) = delete;
    IlmanOikeuksia& operator=(const IlmanOikeuksia&) = delete;

  private:
    bool root_;
};

}  // namespace

class Varastoviat_test : public QObject {
    Q_OBJECT

    std::unique_ptr<Testipesa> pesa;
    std::unique_ptr<frmMorvak> ikkuna;

    // The start of the program, as main() does it.
    void Kaynnista() {
        ikkuna = std::make_unique<frmMorvak>(Siemen(7));
        ikkuna->Malli().Saannot().TauonPituus = std::chrono::milliseconds(0);
        ikkuna->show();
        QVERIFY(QTest::qWaitForWindowExposed(ikkuna.get()));
        QCOMPARE(Vaihe(ikkuna->Tila()), std::string("player placing"));
        for (const std::string& nimi : ikkuna->Tila().Parhaat.ParasPelaaja) QVERIFY(!nimi.empty());
    }

    // One game won, the streak of one given up mid-game for a name, and the
    // bottom band toggled: the game's writes of the list and of a view option.
    void Pelaa() {
        frmMorvak& w = *ikkuna;
        Viestivastaaja vastaaja({QMessageBox::Ok, QMessageBox::Yes});
        SijoitaLaivasto(w);
        for (int n = 1; n <= 100; ++n) {
            if (w.Tila().KoneenRuudut[n] == Sana::laiva) Ammu(w, n);
        }
        QCOMPARE(Vaihe(w.Tila()), std::string("won"));
        QCOMPARE(w.Tila().PerakkaisetVoitot, 1);
        // The turn timer gives the command back after the computer's last turn.
        QTRY_VERIFY(Komento(w, "mUusiPeli")->isEnabled());
        Komento(w, "mUusiPeli")->trigger();
        QTest::mouseClick(Pelaajan(w, 1), Qt::LeftButton);
        QVERIFY(w.Tila().PeliKaynnissa);
        const bool nimelle = w.Tila().Parhaat.ParasTulos[9] < 1;
        bool avattiin = false;
        KunAukeaa(
            &w, "frmKysyNimi",
            [](QWidget* kysely) {
                Kirjoita(kysely, PELAAJA);
                QTest::mouseClick(kysely->findChild<QPushButton*>("cmdPainike0"), Qt::LeftButton);
            },
            &avattiin);
        Komento(w, "mUusiPeli")->trigger();
        QVERIFY(Vastannut(w));
        QCOMPARE(avattiin, nimelle);
        QCOMPARE(w.Tila().PerakkaisetVoitot, 0);
        Komento(w, "mNaytaPainikkeet")->trigger();
        QVERIFY(Tilarikkeet(w.Tila()).empty());
    }

    // The list the game should hold after the name: the start's list with
    // the new entry at the first place its one win beats.
    static ParhaatTulokset Odotettu(const ParhaatTulokset& alussa) {
        ParhaatTulokset lista = alussa;
        for (std::size_t i = 0; i < 10; ++i) {
            if (1 > alussa.ParasTulos[i]) {
                for (std::size_t j = 9; j > i; --j) {
                    lista.ParasPelaaja[j] = alussa.ParasPelaaja[j - 1];
                    lista.ParasTulos[j] = alussa.ParasTulos[j - 1];
                }
                lista.ParasPelaaja[i] = PELAAJA;
                lista.ParasTulos[i] = 1;
                break;
            }
        }
        return lista;
    }

    // Start, play, and check that the store now holds the game's list and
    // the toggled option.
    void PelaaJaTallenna() {
        Kaynnista();
        const ParhaatTulokset alussa = ikkuna->Tila().Parhaat;
        const bool painikkeet = Komento(*ikkuna, "mNaytaPainikkeet")->isChecked();
        Pelaa();
        const ParhaatTulokset odotettu = Odotettu(alussa);
        QCOMPARE(ikkuna->Tila().Parhaat.ParasPelaaja, odotettu.ParasPelaaja);
        QCOMPARE(ikkuna->Tila().Parhaat.ParasTulos, odotettu.ParasTulos);
        QCOMPARE(Tallessa().ParasPelaaja, odotettu.ParasPelaaja);
        QCOMPARE(Tallessa().ParasTulos, odotettu.ParasTulos);
        QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaPainikkeet"),
                 std::string(painikkeet ? "False" : "True"));
        QVERIFY(Ehea(pesa->Tiedosto()));
    }

  private slots:
    void initTestCase() { ValmisteleSovellus(*qobject_cast<QApplication*>(qApp)); }

    void init() { pesa = std::make_unique<Testipesa>(); }

    void cleanup() {
        ikkuna.reset();
        pesa.reset();
    }

    void missingHive() {
        PelaaJaTallenna();
        QCOMPARE(ikkuna->Tila().Parhaat.ParasPelaaja[1], std::string("Relvano"));
    }

    void emptyFile() {
        fs::create_directories(pesa->Tiedosto().parent_path());
        std::ofstream(pesa->Tiedosto()).close();
        PelaaJaTallenna();
    }

    void garbageFile() {
        fs::create_directories(pesa->Tiedosto().parent_path());
        std::string roska(4096, '\0');
        for (std::size_t i = 0; i < roska.size(); ++i) roska[i] = static_cast<char>(i * 131 % 251);
        std::ofstream(pesa->Tiedosto(), std::ios::binary) << roska;
        PelaaJaTallenna();
        // The damaged file is kept aside, byte for byte.
        int sivussa = 0;
        for (const auto& tiedosto : fs::directory_iterator(pesa->Tiedosto().parent_path())) {
            if (tiedosto.path().filename().string().starts_with("registry.db.damaged-")) {
                ++sivussa;
                QVERIFY(Tavut(tiedosto.path()) == roska);
            }
        }
        QCOMPARE(sivussa, 1);
    }

    // Another process holds the hive through the start and the game: the
    // start must not wait for it to let go, the save made meanwhile is lost
    // to the store but not to the running game, and what was stored stays.
    void hiveLockedByAnotherProcess() {
        TallennaLista();
        const ParhaatTulokset ennen = Tallessa();
        Lukitsija lukitsija(LUKITSIJA, pesa->Tiedosto());
        QVERIFY(lukitsija.Lukittu());

        Kaynnista();
        QVERIFY2(Lukittu(pesa->Tiedosto()), "the start waited until the lock was let go");
        Pelaa();
        QVERIFY(Lukittu(pesa->Tiedosto()));
        QCOMPARE(lukitsija.Vapauta(), 0);

        QCOMPARE(Tallessa().ParasPelaaja, ennen.ParasPelaaja);
        QCOMPARE(Tallessa().ParasTulos, ennen.ParasTulos);
        QCOMPARE(ikkuna->Tila().Parhaat.ParasPelaaja[0], std::string(PELAAJA));
        // Once the lock is gone the game's writes reach the store again.
        Komento(*ikkuna, "mNaytaPainikkeet")->trigger();
        QTRY_VERIFY(!ikkuna->Tila().Tallennukset.Odottaa());
        QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaPainikkeet"),
                 std::string(Komento(*ikkuna, "mNaytaPainikkeet")->isChecked() ? "True" : "False"));
        QVERIFY(Ehea(pesa->Tiedosto()));
    }

    // Another copy is in the middle of a save when the player toggles a view
    // option: the toggle returns at once, the window paints while the write
    // waits for that copy, and the write lands once the copy is done.
    void theWindowPaintsWhileAWriteWaitsForAnotherCopysSave() {
        TallennaLista();
        Kaynnista();
        Tallennuslukko tallennus(*pesa);
        QVERIFY(tallennus.Lukittu());
        bool maalattu = false;
        Maalausvahti vahti(ikkuna.get(), [&] { maalattu = true; });

        QAction* ruudut = Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut");
        ruudut->trigger();
        ikkuna->update();
        QTRY_VERIFY(maalattu);
        QVERIFY(ikkuna->Tila().Tallennukset.Odottaa());
        tallennus.Vapauta();

        QTRY_VERIFY(!ikkuna->Tila().Tallennukset.Odottaa());
        QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaMahdottomatLaivaruudut"),
                 std::string(ruudut->isChecked() ? "True" : "False"));
    }

    // The session ends while a write waits for another copy's save: the
    // answer to the session waits for that write, which lands once the copy
    // is done, so logging out loses nothing.
    void theSessionsEndWaitsForAWriteHeldByAnotherCopy() {
        TallennaLista();
        Kaynnista();
        Tallennuslukko tallennus(*pesa);
        QVERIFY(tallennus.Lukittu());
        QAction* ruudut = Komento(*ikkuna, "mNaytaMahdottomatLaivaruudut");
        ruudut->trigger();
        QVERIFY(ikkuna->Tila().Tallennukset.Odottaa());
        Viestivastaaja vastaaja({QMessageBox::Yes});
        vastaaja.ennenVastausta = [&](QMessageBox*) { tallennus.Vapauta(); };

        QVERIFY(ikkuna->IstuntoPaattyy());

        QCOMPARE(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaMahdottomatLaivaruudut"),
                 std::string(ruudut->isChecked() ? "True" : "False"));
        LoppuSelvitetty();
    }

    void folderTheGameCannotWrite() {
        TallennaLista();
        const ParhaatTulokset ennen = Tallessa();
        const std::string tavutEnnen = Tavut(pesa->Tiedosto());
        // Root's own group stays with the process, so the group's bits count too.
        const auto luku = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
        const auto kulku = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
        fs::permissions(pesa->Kansio(), fs::perms::owner_all | kulku);
        fs::permissions(pesa->Tiedosto().parent_path(), luku | kulku);
        fs::permissions(pesa->Tiedosto(), luku);
        {
            IlmanOikeuksia nobody;
            Kaynnista();
            QCOMPARE(ikkuna->Tila().Parhaat.ParasPelaaja, ennen.ParasPelaaja);
            Pelaa();
            QCOMPARE(ikkuna->Tila().Parhaat.ParasPelaaja[9], std::string(PELAAJA));
            ikkuna.reset();
        }
        QVERIFY(Tavut(pesa->Tiedosto()) == tavutEnnen);
        fs::permissions(pesa->Tiedosto().parent_path(), fs::perms::owner_all);
    }

    // A path whose parent is a regular file stops root as well as anyone.
    void hiveFolderCannotBeMade() {
        const fs::path tiedosto = pesa->Kansio() / "tiedosto";
        std::ofstream(tiedosto) << "x";
        setenv("XDG_CONFIG_HOME", (tiedosto / "config").c_str(), 1);
        Kaynnista();
        Pelaa();
        QCOMPARE(ikkuna->Tila().Parhaat.ParasPelaaja[0], std::string(PELAAJA));
        QCOMPARE(Tavut(tiedosto), std::string("x"));
    }

    void valuesOfTheWrongType_data() {
        QTest::addColumn<int>("tyyppi");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("luettu");
        QTest::newRow("REG_DWORD") << int{REG_DWORD} << QString("\x05") << "005";
        QTest::newRow("REG_BINARY") << int{REG_BINARY} << QString("\x0a\x7f") << "0A7F";
    }
    void valuesOfTheWrongType() {
        QFETCH(int, tyyppi);
        QFETCH(QString, data);
        QFETCH(QString, luettu);
        std::string tavut = data.toStdString();
        if (tyyppi == REG_DWORD) tavut.resize(4, '\0');
        for (const std::string& nimi : Luettavat()) Aseta(nimi, static_cast<DWORD>(tyyppi), tavut);
        PelaaJaTallenna();
        const ParhaatTulokset lista = ikkuna->Tila().Parhaat;
        QCOMPARE(QString::fromStdString(lista.ParasPelaaja[1]), luettu);
        QCOMPARE(lista.ParasTulos[1], static_cast<std::int16_t>(tyyppi == REG_DWORD ? 5 : 0));
    }

    void valuesOfEveryLength_data() {
        QTest::addColumn<int>("pituus");
        QTest::newRow("2047") << 2047;
        QTest::newRow("5000") << 5000;
    }
    void valuesOfEveryLength() {
        QFETCH(int, pituus);
        const std::string pitka(static_cast<std::size_t>(pituus), 'x');
        for (const std::string& nimi : Luettavat()) Aseta(nimi, REG_SZ, pitka + '\0');
        Kaynnista();
        // A value longer than the read buffer reads as missing.
        QCOMPARE(ikkuna->Tila().Parhaat.ParasPelaaja[0], pituus < 2048 ? pitka : "Relvano");
        QCOMPARE(ikkuna->Tila().Parhaat.ParasTulos[0], std::int16_t{0});
        ikkuna.reset();
        PelaaJaTallenna();
    }

    void scoresThatAreNoScores() {
        const char* tulokset[] = {"abc", "99999", "-5",     "1e3", " 7 ",
                                  "+3",  "32767", "-32768", "",    "0x10"};
        for (int i = 0; i < 10; ++i) {
            Aseta("ParasPelaaja" + std::to_string(i), REG_SZ, "P" + std::to_string(i) + '\0');
            Aseta("ParasTulos" + std::to_string(i), REG_SZ, std::string(tulokset[i]) + '\0');
        }
        Kaynnista();
        const std::array<std::int16_t, 10> luetut = {0, 0, -5, 0, 7, 3, 32767, -32768, 0, 0};
        QCOMPARE(ikkuna->Tila().Parhaat.ParasTulos, luetut);
        ikkuna.reset();
        PelaaJaTallenna();
    }

    void namesOfSixteenMultibyteLetters() {
        const QString nimet[] = {"ÅÄÖåäöÉéÜüÆæØøÞþ",
                                 QString::fromUtf8("語語語語語語語語語語語語語語語語")};
        for (int i = 0; i < 10; ++i) {
            Aseta("ParasPelaaja" + std::to_string(i), REG_SZ, nimet[i % 2].toStdString() + '\0');
            Aseta("ParasTulos" + std::to_string(i), REG_SZ, std::to_string(10 - i) + '\0');
        }
        Kaynnista();
        QCOMPARE(QString::fromStdString(ikkuna->Tila().Parhaat.ParasPelaaja[1]), nimet[1]);
        ikkuna.reset();
        PelaaJaTallenna();
        // Every score beats the new one: the whole list is as it was.
        QCOMPARE(QString::fromStdString(Tallessa().ParasPelaaja[9]), nimet[1]);
    }
};

QTEST_MAIN(Varastoviat_test)
#include "Varastoviat_test.moc"
