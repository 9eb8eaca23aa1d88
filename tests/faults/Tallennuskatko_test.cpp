// The game killed while it saves the best results or the settings: after
// every kill the stored values are exactly the ones before the save that was
// cut or the ones after it, and the next start finds the hive intact.
//
// The saver prints each round once it is stored, and kills itself just before
// or just after a given change to the hive's files; the test picks that
// moment at random over the saver's first few saves, which reach every state
// a crash can leave a save in. MORVAK_KILL_ROUNDS sets how many kills of each
// save (100 by default), MORVAK_KILL_SEED the seed that picks them (printed,
// so that a red run can be repeated).

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "tests/store/Testipesa.h"
#include "tests/support/Katkotarkistus.h"

namespace {

constexpr long OLETUSSIEMEN = 20261208;
// A save changes the hive's files a dozen times or more, each change with a
// moment before and after it.
constexpr int HETKIA_ENINTAAN = 80;

long Ymparistosta(const char* nimi, long oletus) {
    const char* arvo = std::getenv(nimi);
    return arvo && *arvo ? std::strtol(arvo, nullptr, 10) : oletus;
}

std::string Eheys(const std::filesystem::path& tiedosto) {
    sqlite3* kanta = nullptr;
    std::string tulos = "cannot open";
    if (sqlite3_open_v2(tiedosto.c_str(), &kanta, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* lause = nullptr;
        sqlite3_prepare_v2(kanta, "PRAGMA integrity_check", -1, &lause, nullptr);
        tulos = sqlite3_step(lause) == SQLITE_ROW
                    ? reinterpret_cast<const char*>(sqlite3_column_text(lause, 0))
                    : sqlite3_errmsg(kanta);
        sqlite3_finalize(lause);
    }
    sqlite3_close(kanta);
    return tulos;
}

}  // namespace

class Tallennuskatko : public ::testing::TestWithParam<katko::Tallennus> {};

TEST_P(Tallennuskatko, AfterEveryKillTheValuesAreTheOnesBeforeTheCutSaveOrTheOnesAfter) {
    Testipesa pesa;
    const long siemen = Ymparistosta("MORVAK_KILL_SEED", OLETUSSIEMEN);
    std::printf("seed %ld\n", siemen);
    std::mt19937 arpa(static_cast<std::mt19937::result_type>(siemen));
    std::uniform_int_distribution<int> hetki(1, HETKIA_ENINTAAN);
    katko::Seuranta seuranta(GetParam(), 0);

    for (long kierros = 0; kierros < Ymparistosta("MORVAK_KILL_ROUNDS", 100); ++kierros) {
        const int kohta = hetki(arpa);
        const std::string missa = "seed " + std::to_string(siemen) + ", kill " +
                                  std::to_string(kierros) + " at moment " + std::to_string(kohta);
        bool tallensi = false;
        ASSERT_TRUE(seuranta.Katkaise(TALLENTAJA, kohta, tallensi)) << missa;
        ASSERT_EQ(Eheys(pesa.Tiedosto()), "ok") << missa;
        for (const auto& tiedosto :
             std::filesystem::directory_iterator(pesa.Tiedosto().parent_path()))
            ASSERT_EQ(tiedosto.path().string().find("damaged"), std::string::npos) << missa;
    }
    RecordProperty("kills that left the values before the cut save", seuranta.vanhoja);
    RecordProperty("kills that left them after it", seuranta.uusia);
    std::printf("%d kills left the values before the cut save, %d after it\n", seuranta.vanhoja,
                seuranta.uusia);
}

INSTANTIATE_TEST_SUITE_P(Tallennukset, Tallennuskatko,
                         ::testing::Values(katko::Tallennus::Lista, katko::Tallennus::Asetukset),
                         [](const auto& tallennus) { return katko::Nimi(tallennus.param); });
