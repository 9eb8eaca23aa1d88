// The version resource of morvakpoisto.exe, read back the way Windows reads
// it for the file's properties.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<char> LueVersiotiedot() {
    DWORD kahva = 0;
    const DWORD koko = GetFileVersionInfoSizeA(MORVAKPOISTO_EXE, &kahva);
    std::vector<char> tiedot(koko);
    if (koko == 0 || !GetFileVersionInfoA(MORVAKPOISTO_EXE, 0, koko, tiedot.data())) tiedot.clear();
    return tiedot;
}

std::string Merkkijono(std::vector<char>& tiedot, const std::string& nimi) {
    void* arvo = nullptr;
    UINT pituus = 0;
    const std::string polku = "\\StringFileInfo\\040904B0\\" + nimi;
    if (!VerQueryValueA(tiedot.data(), polku.c_str(), &arvo, &pituus) || pituus == 0) return {};
    return static_cast<const char*>(arvo);
}

TEST(Versiotiedot, KertovatTyokalunNimenJaVersion) {
    std::vector<char> tiedot = LueVersiotiedot();
    ASSERT_FALSE(tiedot.empty());
    EXPECT_EQ(Merkkijono(tiedot, "FileDescription"), "Poistaa Morvakin rekisteritiedot");
    EXPECT_EQ(Merkkijono(tiedot, "ProductName"), "MorvakPoisto");
    EXPECT_EQ(Merkkijono(tiedot, "FileVersion"), "1.02");
    EXPECT_EQ(Merkkijono(tiedot, "ProductVersion"), "1.02");
    EXPECT_EQ(Merkkijono(tiedot, "InternalName"), "morvakpoisto");
    EXPECT_EQ(Merkkijono(tiedot, "OriginalFilename"), "morvakpoisto.exe");
}

TEST(Versiotiedot, KiinteaVersioJaKieli) {
    std::vector<char> tiedot = LueVersiotiedot();
    ASSERT_FALSE(tiedot.empty());
    void* arvo = nullptr;
    UINT pituus = 0;
    ASSERT_TRUE(VerQueryValueA(tiedot.data(), "\\", &arvo, &pituus));
    const auto* kiintea = static_cast<const VS_FIXEDFILEINFO*>(arvo);
    EXPECT_EQ(kiintea->dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(kiintea->dwFileVersionLS, 0u);
    EXPECT_EQ(kiintea->dwProductVersionMS, 0x00010002u);
    EXPECT_EQ(kiintea->dwProductVersionLS, 0u);

    ASSERT_TRUE(VerQueryValueA(tiedot.data(), "\\VarFileInfo\\Translation", &arvo, &pituus));
    ASSERT_EQ(pituus, 4u);
    const auto* kieli = static_cast<const WORD*>(arvo);
    EXPECT_EQ(kieli[0], 0x0409);
    EXPECT_EQ(kieli[1], 1200);
}

}  // namespace
