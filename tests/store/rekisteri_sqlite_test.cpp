// The SQLite hive behaves as the Windows registry does for everything the
// game and the removal tool rely on, and keeps what it holds safe.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/registry/kirjoitusera.h"
#include "platform/registry/rekisteripesa.h"
#include "store/mdlMorvak2.h"
#include "tests/store/Prosessi.h"
#include "tests/store/Testipesa.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* PELIN_AVAIN = "Software\\Relvano\\Morvak 1.2 Freeware";

class Pesa : public ::testing::Test {
  protected:
    static HKEY Luo(const char* polku) {
        HKEY kahva = nullptr;
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, polku, &kahva), ERROR_SUCCESS) << polku;
        return kahva;
    }

    static LONG Avaa(const char* polku, HKEY& kahva) {
        return RegOpenKeyA(HKEY_CURRENT_USER, polku, &kahva);
    }

    static void Aseta(HKEY kahva, const char* nimi, DWORD tyyppi, const std::string& data) {
        EXPECT_EQ(RegSetValueExA(kahva, nimi, 0, tyyppi, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

    static bool Kirjoita(const std::string& nimi, const std::string& data) {
        return static_cast<bool>(
            KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, data));
    }

    static std::string Lue(const std::string& nimi) {
        return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
    }

    // The rows of one column of the hive, read with SQLite itself.
    std::vector<std::string> Sarake(const char* sql) const {
        sqlite3* kanta = nullptr;
        std::vector<std::string> rivit;
        EXPECT_EQ(sqlite3_open_v2(pesa.Tiedosto().c_str(), &kanta, SQLITE_OPEN_READONLY, nullptr),
                  SQLITE_OK);
        sqlite3_stmt* lause = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(kanta, sql, -1, &lause, nullptr), SQLITE_OK) << sql;
        while (sqlite3_step(lause) == SQLITE_ROW) {
            rivit.emplace_back(static_cast<const char*>(sqlite3_column_blob(lause, 0)),
                               static_cast<std::size_t>(sqlite3_column_bytes(lause, 0)));
        }
        sqlite3_finalize(lause);
        sqlite3_close(kanta);
        return rivit;
    }

    std::vector<std::string> Tiedostot() const {
        std::vector<std::string> nimet;
        for (const auto& tiedosto : fs::directory_iterator(pesa.Tiedosto().parent_path())) {
            nimet.push_back(tiedosto.path().filename().string());
        }
        std::sort(nimet.begin(), nimet.end());
        return nimet;
    }

    static std::string Sisalto(const fs::path& tiedosto) {
        std::ifstream virta(tiedosto, std::ios::binary);
        return {std::istreambuf_iterator<char>(virta), {}};
    }

    static void Tallenna(const fs::path& tiedosto, const std::string& sisalto) {
        fs::create_directories(tiedosto.parent_path());
        std::ofstream(tiedosto, std::ios::binary) << sisalto;
    }

    static unsigned Oikeudet(const fs::path& polku) {
        struct stat tiedot {};
        EXPECT_EQ(stat(polku.c_str(), &tiedot), 0) << polku;
        return tiedot.st_mode & 07777;
    }

    // The helper program copied where any user may run it.
    std::string Apuri() const {
        const fs::path kopio = pesa.Kansio() / "rekisteri_apuri";
        if (!fs::exists(kopio)) fs::copy_file(REKISTERI_APURI, kopio);
        return kopio.string();
    }

    // Whether another connection could begin a write at once.
    bool KirjoitusVapaa() const {
        sqlite3* kanta = nullptr;
        sqlite3_open_v2(pesa.Tiedosto().c_str(), &kanta, SQLITE_OPEN_READWRITE, nullptr);
        const int tulos = sqlite3_exec(kanta, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_exec(kanta, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(kanta);
        return tulos == SQLITE_OK;
    }

    std::vector<std::string> Arvot() const { return Sarake("SELECT name FROM vals ORDER BY name"); }

    Testipesa pesa;
};

TEST_F(Pesa, FirstWriteCreatesAHiveOnlyTheUserCanOpen) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    EXPECT_EQ(Oikeudet(pesa.Tiedosto().parent_path()), 0700u);
    EXPECT_EQ(Oikeudet(pesa.Tiedosto()), 0600u);
}

TEST_F(Pesa, WithoutXdgConfigHomeTheHiveIsUnderHomeConfig) {
    const char* koti = std::getenv("HOME");
    const std::string vanhaKoti = koti != nullptr ? koti : "";
    setenv("HOME", pesa.Kansio().c_str(), 1);
    setenv("XDG_CONFIG_HOME", "", 1);
    const bool tyhjana = Kirjoita("Tyhja", "x");
    unsetenv("XDG_CONFIG_HOME");
    const bool puuttuvana = Kirjoita("Puuttuva", "y");
    setenv("HOME", vanhaKoti.c_str(), 1);

    EXPECT_TRUE(tyhjana);
    EXPECT_TRUE(puuttuvana);
    setenv("XDG_CONFIG_HOME", (pesa.Kansio() / ".config").c_str(), 1);
    EXPECT_EQ(Lue("Tyhja"), "x");
    EXPECT_EQ(Lue("Puuttuva"), "y");
}

TEST_F(Pesa, ReadingAndDeletingCreateNothing) {
    HKEY kahva = nullptr;
    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
    EXPECT_EQ(Avaa(PELIN_AVAIN, kahva), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kahva, nullptr);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(fs::exists(pesa.Tiedosto().parent_path()));
}

TEST_F(Pesa, KeysAndValuesAreStoredAsTheReadmeDescribes) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    EXPECT_EQ(Sarake("SELECT path FROM keys ORDER BY path"),
              (std::vector<std::string>{"Software", "Software\\Relvano", PELIN_AVAIN}));
    EXPECT_EQ(Sarake("SELECT key || '|' || name || '|' || type FROM vals"),
              std::vector<std::string>{std::string(PELIN_AVAIN) + "|NaytaPainikkeet|1"});
    EXPECT_EQ(Sarake("SELECT data FROM vals"), std::vector<std::string>{std::string("True\0", 5)});
    EXPECT_EQ(Sarake("SELECT count(*) FROM keys WHERE path = 'SOFTWARE\\RELVANO'"),
              std::vector<std::string>{"1"});
}

TEST_F(Pesa, KeyPathsIgnoreCaseAndKeepTheirFirstSpelling) {
    RegCloseKey(Luo("Software\\Relvano\\Kokeilu"));
    HKEY kahva = Luo("SOFTWARE\\relvano\\KOKEILU\\");
    Aseta(kahva, "Arvo", REG_SZ, std::string("x\0", 2));
    RegCloseKey(kahva);

    EXPECT_EQ(
        Sarake("SELECT path FROM keys ORDER BY path"),
        (std::vector<std::string>{"Software", "Software\\Relvano", "Software\\Relvano\\Kokeilu"}));
    ASSERT_EQ(Avaa("software\\RELVANO\\kokeilu", kahva), ERROR_SUCCESS);
    DWORD koko = 0;
    EXPECT_EQ(RegQueryValueExA(kahva, "ARVO", nullptr, nullptr, nullptr, &koko), ERROR_SUCCESS);
    EXPECT_EQ(koko, 2u);
    RegCloseKey(kahva);
}

TEST_F(Pesa, OpeningAMissingKeyFailsAndCreatesNothing) {
    RegCloseKey(Luo("Software"));
    HKEY kahva = nullptr;
    EXPECT_EQ(Avaa("Software\\Relvano", kahva), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kahva, nullptr);
    EXPECT_EQ(Sarake("SELECT path FROM keys"), std::vector<std::string>{"Software"});
}

TEST_F(Pesa, QueryReportsTypeAndSizeAndAsksForRoomWhenTheBufferIsSmall) {
    HKEY kahva = Luo(PELIN_AVAIN);
    const std::string monta("a\0b\0\0", 5);
    Aseta(kahva, "Monta", 7, monta);

    DWORD tyyppi = 0;
    DWORD koko = 0;
    EXPECT_EQ(RegQueryValueExA(kahva, "Monta", nullptr, &tyyppi, nullptr, &koko), ERROR_SUCCESS);
    EXPECT_EQ(tyyppi, 7u);
    EXPECT_EQ(koko, 5u);

    BYTE puskuri[8] = {};
    koko = 4;
    EXPECT_EQ(RegQueryValueExA(kahva, "Monta", nullptr, &tyyppi, puskuri, &koko), ERROR_MORE_DATA);
    EXPECT_EQ(koko, 5u);

    koko = 5;
    EXPECT_EQ(RegQueryValueExA(kahva, "Monta", nullptr, &tyyppi, puskuri, &koko), ERROR_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(puskuri), koko), monta);

    koko = sizeof puskuri;
    EXPECT_EQ(RegQueryValueExA(kahva, "Puuttuu", nullptr, &tyyppi, puskuri, &koko),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(kahva);
}

TEST_F(Pesa, SettingReplacesDataAndType) {
    HKEY kahva = Luo(PELIN_AVAIN);
    Aseta(kahva, "Arvo", REG_SZ, std::string("pitkä teksti\0", 14));
    Aseta(kahva, "Arvo", REG_DWORD, std::string("\x07\0\0\0", 4));
    RegCloseKey(kahva);
    EXPECT_EQ(Lue("Arvo"), "007");
    EXPECT_EQ(Sarake("SELECT count(*) FROM vals"), std::vector<std::string>{"1"});
}

TEST_F(Pesa, ZeroAndClosedHandlesAreRefused) {
    HKEY suljettu = Luo(PELIN_AVAIN);
    ASSERT_EQ(RegCloseKey(suljettu), ERROR_SUCCESS);
    const BYTE data[] = {'x', 0};
    DWORD koko = sizeof data;
    for (HKEY kahva : {static_cast<HKEY>(nullptr), suljettu}) {
        HKEY ali = nullptr;
        EXPECT_EQ(RegSetValueExA(kahva, "Arvo", 0, REG_SZ, data, koko), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryValueExA(kahva, "Arvo", nullptr, nullptr, nullptr, &koko),
                  ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegFlushKey(kahva), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCloseKey(kahva), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCreateKeyA(kahva, "Ali", &ali), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegOpenKeyA(kahva, "Ali", &ali), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegDeleteKeyA(kahva, "Ali"), ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(Sarake("SELECT count(*) FROM vals"), std::vector<std::string>{"0"});
}

TEST_F(Pesa, OnlyTheCurrentUsersRootWorks) {
    HKEY kahva = nullptr;
    EXPECT_NE(RegCreateKeyA(HKEY_LOCAL_MACHINE, PELIN_AVAIN, &kahva), ERROR_SUCCESS);
    EXPECT_NE(RegOpenKeyA(HKEY_LOCAL_MACHINE, PELIN_AVAIN, &kahva), ERROR_SUCCESS);
    EXPECT_NE(RegDeleteKeyA(HKEY_LOCAL_MACHINE, PELIN_AVAIN), ERROR_SUCCESS);
    EXPECT_FALSE(KirjoitaRekisteriin(HKEY_LOCAL_MACHINE, AVAIN_KIRJOITUS, "Arvo", REG_SZ, "x"));
    EXPECT_EQ(kahva, nullptr);
    EXPECT_FALSE(fs::exists(pesa.Tiedosto().parent_path()));
}

TEST_F(Pesa, DeletingAKeyTakesItsValuesAndLeavesItsParent) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_SUCCESS);

    HKEY kahva = nullptr;
    EXPECT_EQ(Avaa(PELIN_AVAIN, kahva), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Avaa("Software\\Relvano", kahva), ERROR_SUCCESS);
    RegCloseKey(kahva);
    EXPECT_EQ(Sarake("SELECT count(*) FROM vals"), std::vector<std::string>{"0"});
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_FILE_NOT_FOUND);

    ASSERT_TRUE(Kirjoita("NaytaMahdottomatLaivaruudut", "False"));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
}

TEST_F(Pesa, KeyWithSubkeysIsNotDeleted) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    RegCloseKey(Luo("Software\\Relvano\\Morvak 1.2 Freeware\\Ali"));
    EXPECT_NE(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_SUCCESS);
    EXPECT_EQ(Lue("NaytaPainikkeet"), "True");

    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "software\\relvano\\morvak 1.2 freeware\\ali"),
              ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_SUCCESS);
}

TEST_F(Pesa, KeysThatOnlyBeginWithTheSameNameAreNotSubkeys) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    for (const char* naapuri :
         {"Software\\Relvano\\Morvak 1.2 Freeware 2", "Software\\Relvano\\Morvak 1.2 Freeware]",
          "Software\\Relvano\\Morvak 1.2 Freeware!"}) {
        RegCloseKey(Luo(naapuri));
    }
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_SUCCESS);
    EXPECT_EQ(Sarake("SELECT count(*) FROM keys"), std::vector<std::string>{"5"});
}

TEST_F(Pesa, HandleOfADeletedKeyCannotWriteIntoIt) {
    HKEY kahva = Luo(PELIN_AVAIN);
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_SUCCESS);
    const BYTE data[] = {'x', 0};
    EXPECT_NE(RegSetValueExA(kahva, "Arvo", 0, REG_SZ, data, sizeof data), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(kahva), ERROR_SUCCESS);
    EXPECT_EQ(Sarake("SELECT count(*) FROM vals"), std::vector<std::string>{"0"});
}

TEST_F(Pesa, HiveRemovedWhileOpenIsNoticed) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    fs::rename(pesa.Tiedosto(), pesa.Kansio() / "muualla.db");
    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "False"));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "False");
}

class VaurioitunutPesa : public Pesa {
  protected:
    // Files put aside beside the hive, with their contents.
    std::vector<std::string> Sivuun() const {
        std::vector<std::string> sisallot;
        for (const auto& nimi : Tiedostot()) {
            if (nimi.rfind("registry.db.damaged-", 0) == 0) {
                sisallot.push_back(Sisalto(pesa.Tiedosto().parent_path() / nimi));
            }
        }
        return sisallot;
    }
};

TEST_F(VaurioitunutPesa, FileThatIsNoDatabaseReadsAsEmptyAndIsKeptAsideByTheFirstWrite) {
    const std::string roska(5000, '\x5a');
    Tallenna(pesa.Tiedosto(), roska);

    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, PELIN_AVAIN), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Tiedostot(), std::vector<std::string>{"registry.db"});

    EXPECT_TRUE(Kirjoita("NaytaPainikkeet", "False"));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "False");
    EXPECT_EQ(Sivuun(), std::vector<std::string>{roska});
    EXPECT_EQ(Oikeudet(pesa.Tiedosto()), 0600u);
}

TEST_F(VaurioitunutPesa, TruncatedHiveIsKeptAsideAndAFreshOneHoldsTheNextWrites) {
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(Kirjoita("Arvo" + std::to_string(i), std::string(500, 'x')));
    }
    const std::string kokonainen = Sisalto(pesa.Tiedosto());
    Tallenna(pesa.Tiedosto(), kokonainen.substr(0, kokonainen.size() / 3));

    Lue("Arvo39");
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "True");
    EXPECT_EQ(Sivuun().size(), 1u);
    EXPECT_EQ(Sarake("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
}

TEST_F(VaurioitunutPesa, EmptyFileIsAnEmptyHive) {
    Tallenna(pesa.Tiedosto(), "");
    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "True");
    EXPECT_TRUE(Sivuun().empty());
}

TEST_F(Pesa, FolderThatCannotBeCreatedMakesWritesFailQuietly) {
    const fs::path tiedosto = pesa.Kansio() / "tavallinen-tiedosto";
    Tallenna(tiedosto, "ei kansio");
    setenv("XDG_CONFIG_HOME", tiedosto.c_str(), 1);

    HKEY kahva = nullptr;
    EXPECT_NE(RegCreateKeyA(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, &kahva), ERROR_SUCCESS);
    EXPECT_EQ(kahva, nullptr);
    EXPECT_FALSE(Kirjoita("NaytaPainikkeet", "True"));
    ParhaatTulokset lista;
    EXPECT_FALSE(TallennaParhaatTulokset(lista));
    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
    EXPECT_EQ(Sisalto(tiedosto), "ei kansio");
}

// Root may write anywhere, so the read-only hive is tried by an ordinary user.
TEST_F(Pesa, ReadOnlyHiveStillReadsAndRefusesWritesWithoutHarm) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    const std::string apuri = Apuri();
    const fs::path kansio = pesa.Tiedosto().parent_path();
    std::optional<uid_t> kayttaja;
    if (geteuid() == 0) {
        kayttaja = 65534;
        ASSERT_EQ(chown(kansio.c_str(), *kayttaja, static_cast<gid_t>(-1)), 0);
        ASSERT_EQ(chown(pesa.Tiedosto().c_str(), *kayttaja, static_cast<gid_t>(-1)), 0);
        fs::permissions(pesa.Kansio(),
                        fs::perms::all & ~fs::perms::others_write & ~fs::perms::group_write);
    }
    const std::string ennen = Sisalto(pesa.Tiedosto());
    fs::permissions(pesa.Tiedosto(), fs::perms::owner_read);
    fs::permissions(kansio, fs::perms::owner_read | fs::perms::owner_exec);

    Prosessi kirjoitus(apuri, {"kirjoita", "NaytaPainikkeet", "1", "False"}, kayttaja);
    EXPECT_EQ(kirjoitus.Odota(), 1);
    Prosessi luku(apuri, {"lue", "NaytaPainikkeet0"}, kayttaja);
    EXPECT_EQ(luku.Odota(), 0);
    Prosessi aiempi(apuri, {"lue", "NaytaPainikkeet"}, kayttaja);
    EXPECT_EQ(aiempi.Odota(), 0);

    fs::permissions(kansio, fs::perms::owner_all);
    fs::permissions(pesa.Tiedosto(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(luku.Tuloste(), "Not Found");
    EXPECT_EQ(aiempi.Tuloste(), "True");
    EXPECT_EQ(Sisalto(pesa.Tiedosto()), ennen);
    EXPECT_EQ(Tiedostot(), std::vector<std::string>{"registry.db"});
}

TEST_F(Pesa, AnotherProcessSeesAWriteAsSoonAsItReturns) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "False"));
    Prosessi luku(Apuri(), {"lue", "NaytaPainikkeet"});
    EXPECT_EQ(luku.Odota(), 0);
    EXPECT_EQ(luku.Tuloste(), "False");
}

// Each makes again a write the other held the hive for.
TEST_F(Pesa, TwoProcessesWritingAtOnceBothSucceed) {
    constexpr int MAARA = 60;
    ASSERT_TRUE(Kirjoita("Alku", "x"));
    Prosessi toinen(Apuri(), {"kirjoita", "Toinen", std::to_string(MAARA), "toinen"});
    bool kaikki = true;
    for (int i = 0; i < MAARA; ++i) {
        Tallennustulos tulos{Tallennustulos::Varattu};
        while (tulos.laji == Tallennustulos::Varattu)
            tulos = KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                        "Oma" + std::to_string(i), REG_SZ, "oma");
        kaikki &= static_cast<bool>(tulos);
    }
    EXPECT_TRUE(kaikki);
    EXPECT_EQ(toinen.Odota(), 0);
    for (int i = 0; i < MAARA; ++i) {
        EXPECT_EQ(Lue("Oma" + std::to_string(i)), "oma");
        EXPECT_EQ(Lue("Toinen" + std::to_string(i)), "toinen");
    }
}

// A write's flush inside the batch must not commit it: the twenty values of a
// list are stored together or not at all.
TEST_F(Pesa, ABatchHoldsOffOtherWritersAndStoresNothingUntilItIsConfirmed) {
    ASSERT_TRUE(Kirjoita("Alku", "x"));
    {
        KirjoitusEra era(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
        ASSERT_TRUE(era.Auki());
        ASSERT_TRUE(Kirjoita("Eka", "1"));
        ASSERT_TRUE(Kirjoita("Toka", "2"));

        EXPECT_EQ(Lue("Toka"), "2") << "the batch reads its own writes";
        EXPECT_EQ(Arvot(), std::vector<std::string>{"Alku"});
        EXPECT_FALSE(KirjoitusVapaa());
        EXPECT_TRUE(era.Vahvista());
        EXPECT_EQ(Arvot(), (std::vector<std::string>{"Alku", "Eka", "Toka"}));
        EXPECT_TRUE(KirjoitusVapaa());
    }
    EXPECT_EQ(Arvot(), (std::vector<std::string>{"Alku", "Eka", "Toka"}));
}

TEST_F(Pesa, ABatchEndedWithoutConfirmingLeavesTheHiveAsItWas) {
    ASSERT_TRUE(Kirjoita("Alku", "x"));
    {
        KirjoitusEra era(HKEY_CURRENT_USER, AVAIN_KIRJOITUS);
        ASSERT_TRUE(era.Auki());
        ASSERT_TRUE(Kirjoita("Alku", "y"));
        ASSERT_TRUE(Kirjoita("Eka", "1"));
    }
    EXPECT_EQ(Lue("Alku"), "x");
    EXPECT_EQ(Lue("Eka"), "Not Found");
    EXPECT_TRUE(KirjoitusVapaa());
    EXPECT_TRUE(Kirjoita("Toka", "2")) << "the hive takes writes again";
    EXPECT_EQ(Arvot(), (std::vector<std::string>{"Alku", "Toka"}));
}

// Once a change in the batch has failed, or SQLite has ended the transaction
// by itself, a later change would be committed alone.
TEST_F(Pesa, AfterAFailedChangeNothingOfTheBatchIsStored) {
    const auto lisaa = [](const char* nimi) {
        return [nimi](sqlite3* kanta) {
            return sqlite3_exec(
                kanta,
                (std::string("INSERT INTO vals VALUES('k', '") + nimi + "', 1, x'00')").c_str(),
                nullptr, nullptr, nullptr);
        };
    };
    ASSERT_TRUE(Kirjoita("Alku", "x"));
    ASSERT_EQ(rekisteripesa::AloitaEra(), SQLITE_OK);
    EXPECT_EQ(rekisteripesa::Kirjoita(lisaa("ennen")), SQLITE_OK);
    EXPECT_EQ(rekisteripesa::Kirjoita([](sqlite3*) { return SQLITE_FULL; }), SQLITE_FULL);
    EXPECT_EQ(rekisteripesa::Kirjoita(lisaa("jalkeen")), SQLITE_FULL);
    EXPECT_NE(rekisteripesa::VahvistaEra(), SQLITE_OK);
    EXPECT_EQ(Arvot(), std::vector<std::string>{"Alku"});

    ASSERT_EQ(rekisteripesa::AloitaEra(), SQLITE_OK);
    EXPECT_EQ(rekisteripesa::Kirjoita([](sqlite3* kanta) {
                  return sqlite3_exec(kanta, "ROLLBACK", nullptr, nullptr, nullptr);
              }),
              SQLITE_OK);
    EXPECT_NE(rekisteripesa::Kirjoita(lisaa("yksin")), SQLITE_OK);
    EXPECT_NE(rekisteripesa::VahvistaEra(), SQLITE_OK);
    EXPECT_EQ(Arvot(), std::vector<std::string>{"Alku"});
}

}  // namespace
