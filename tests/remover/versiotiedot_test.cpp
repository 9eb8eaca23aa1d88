// The version resource of morvakpoisto.exe, read back the way Windows reads
// it for the file's properties.

#include "tests/support/Versiotiedot.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<char> TyokalunVersiotiedot() { return LueVersiotiedot(MORVAKPOISTO_EXE); }

TEST(Versiotiedot, KertovatTyokalunNimenJaVersion) {
    std::vector<char> tiedot = TyokalunVersiotiedot();
    ASSERT_FALSE(tiedot.empty());
    EXPECT_EQ(Merkkijono(tiedot, "FileDescription"), "Poistaa Morvakin rekisteritiedot");
    EXPECT_EQ(Merkkijono(tiedot, "ProductName"), "MorvakPoisto");
    EXPECT_EQ(Merkkijono(tiedot, "FileVersion"), "1.02");
    EXPECT_EQ(Merkkijono(tiedot, "ProductVersion"), "1.02");
    EXPECT_EQ(Merkkijono(tiedot, "InternalName"), "morvakpoisto");
    EXPECT_EQ(Merkkijono(tiedot, "OriginalFilename"), "morvakpoisto.exe");
}

TEST(Versiotiedot, KiinteaVersioJaKieli) {
    std::vector<char> tiedot = TyokalunVersiotiedot();
    ASSERT_FALSE(tiedot.empty());
    TarkistaKiinteaVersioJaKieli(tiedot);
}

}  // namespace
