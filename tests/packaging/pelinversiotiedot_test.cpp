// The game's version resource and icon, compiled by the cross compiler's
// resource compiler into this program and read back the way Windows reads
// them for a file's properties and for Explorer.

#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/support/Versiotiedot.h"

namespace {

std::vector<char> TamanVersiotiedot() {
    char ohjelma[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, ohjelma, MAX_PATH);
    return LueVersiotiedot(ohjelma);
}

TEST(Pelinversiotiedot, KertovatPelinNimenJaVersion) {
    std::vector<char> tiedot = TamanVersiotiedot();
    ASSERT_FALSE(tiedot.empty());
    EXPECT_EQ(Merkkijono(tiedot, "FileDescription"),
              "Laivanupotuspeli, jossa on parhaiden tulosten lista");
    EXPECT_EQ(Merkkijono(tiedot, "ProductName"), "Morvak");
    EXPECT_EQ(Merkkijono(tiedot, "FileVersion"), "1.02");
    EXPECT_EQ(Merkkijono(tiedot, "ProductVersion"), "1.02");
    EXPECT_EQ(Merkkijono(tiedot, "InternalName"), "morvak");
    EXPECT_EQ(Merkkijono(tiedot, "OriginalFilename"), "morvak.exe");
}

TEST(Pelinversiotiedot, KiinteaVersioJaKieli) {
    std::vector<char> tiedot = TamanVersiotiedot();
    ASSERT_FALSE(tiedot.empty());
    TarkistaKiinteaVersioJaKieli(tiedot);
}

#pragma pack(push, 2)
struct Ryhmankuva {
    BYTE leveys;
    BYTE korkeus;
    BYTE varit;
    BYTE varattu;
    WORD tasot;
    WORD bitit;
    DWORD tavuja;
    WORD tunnus;
};
// The pictures' entries follow the group's header.
struct Kuvaryhma {
    WORD varattu;
    WORD tyyppi;
    WORD maara;
};
#pragma pack(pop)

const void* Resurssi(LPCSTR nimi, LPCSTR tyyppi, DWORD* koko = nullptr) {
    const HRSRC paikka = FindResourceA(nullptr, nimi, tyyppi);
    if (!paikka) return nullptr;
    if (koko) *koko = SizeofResource(nullptr, paikka);
    return LockResource(LoadResource(nullptr, paikka));
}

// Windows picks the picture nearest the size it draws and stretches it, so a
// missing size would only show as a blurred icon: every size must be there
// and each picture must make an icon.
TEST(Pelinversiotiedot, KuvakeKaikissaKoossa) {
    const auto* ryhma = static_cast<const Kuvaryhma*>(Resurssi(MAKEINTRESOURCEA(1), RT_GROUP_ICON));
    ASSERT_NE(ryhma, nullptr);
    ASSERT_EQ(ryhma->tyyppi, 1);
    const int koot[] = {16, 32, 48};
    ASSERT_EQ(ryhma->maara, std::size(koot));
    const auto* kuvat = reinterpret_cast<const Ryhmankuva*>(ryhma + 1);
    for (int i = 0; i < ryhma->maara; ++i) {
        const Ryhmankuva& kuva = kuvat[i];
        EXPECT_EQ(int{kuva.leveys}, koot[i]);
        EXPECT_EQ(int{kuva.korkeus}, koot[i]);
        DWORD koko = 0;
        const void* data = Resurssi(MAKEINTRESOURCEA(kuva.tunnus), RT_ICON, &koko);
        ASSERT_NE(data, nullptr) << kuva.leveys;
        EXPECT_EQ(koko, kuva.tavuja);
        const HICON kuvake =
            CreateIconFromResourceEx(static_cast<PBYTE>(const_cast<void*>(data)), koko, TRUE,
                                     0x00030000, kuva.leveys, kuva.korkeus, LR_DEFAULTCOLOR);
        ASSERT_NE(kuvake, nullptr) << kuva.leveys;
        DestroyIcon(kuvake);
    }
}

}  // namespace
