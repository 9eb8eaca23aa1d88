// The store cut on Windows, whose registry has no transaction: the saver ends
// itself with TerminateProcess right after its n-th registry write, for every
// n of a save of the best results and of the settings. After each cut a fresh
// read through the store finds exactly the values before the cut save or
// exactly the values after it, and leaves no journal behind.
// MORVAK_KILL_SEED picks the rounds' numbers (printed, so that a red run can
// be repeated).

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "store/Kirjaus.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Katkotarkistus.h"

namespace {

constexpr long OLETUSSIEMEN = 20261208;

// The saver lies beside this program.
std::string Tallentaja() {
    char polku[MAX_PATH];
    const std::string ohjelma(polku, GetModuleFileNameA(nullptr, polku, MAX_PATH));
    return ohjelma.substr(0, ohjelma.find_last_of("\\/") + 1) + "morvak_tallentaja.exe";
}

bool KirjausJaljella() {
    HKEY kahva = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, AVAIN_LUKU, &kahva) != ERROR_SUCCESS) return false;
    const LONG tulos = RegQueryValueExA(kahva, KIRJAUKSEN_NIMI, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(kahva);
    return tulos != ERROR_FILE_NOT_FOUND;
}

class Tallennuskatko : public ::testing::TestWithParam<katko::Tallennus> {};

TEST_P(Tallennuskatko, EveryCutLeavesTheValuesBeforeTheCutSaveOrTheOnesAfter) {
    Testipesa pesa;
    const char* annettu = std::getenv("MORVAK_KILL_SEED");
    const long siemen =
        annettu != nullptr && *annettu ? std::strtol(annettu, nullptr, 10) : OLETUSSIEMEN;
    std::printf("seed %ld\n", siemen);
    std::mt19937 arpa(static_cast<std::mt19937::result_type>(siemen));
    katko::Seuranta seuranta(GetParam(), std::uniform_int_distribution<long>(0, 100000)(arpa));

    // Once a cut falls in the second save, every write of the first was cut.
    bool tallensi = false;
    for (long n = 1; !tallensi; ++n) {
        const std::string missa =
            "seed " + std::to_string(siemen) + ", cut after write " + std::to_string(n);
        ASSERT_TRUE(seuranta.Katkaise(Tallentaja(), n, tallensi)) << missa;
        ASSERT_FALSE(KirjausJaljella()) << missa << ": the read left the journal";
    }
    std::printf("%d cuts left the values before the cut save, %d after it\n", seuranta.vanhoja,
                seuranta.uusia);
}

INSTANTIATE_TEST_SUITE_P(Tallennukset, Tallennuskatko,
                         ::testing::Values(katko::Tallennus::Lista, katko::Tallennus::Asetukset),
                         [](const auto& tallennus) { return katko::Nimi(tallennus.param); });

}  // namespace
