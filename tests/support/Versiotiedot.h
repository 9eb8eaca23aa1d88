#pragma once

// Reads a program's version resource back the way Windows reads it for the
// file's properties.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

inline std::vector<char> LueVersiotiedot(const char* ohjelma) {
    DWORD kahva = 0;
    const DWORD koko = GetFileVersionInfoSizeA(ohjelma, &kahva);
    std::vector<char> tiedot(koko);
    if (koko == 0 || !GetFileVersionInfoA(ohjelma, 0, koko, tiedot.data())) tiedot.clear();
    return tiedot;
}

inline std::string Merkkijono(std::vector<char>& tiedot, const std::string& nimi) {
    void* arvo = nullptr;
    UINT pituus = 0;
    const std::string polku = "\\StringFileInfo\\040904B0\\" + nimi;
    if (!VerQueryValueA(tiedot.data(), polku.c_str(), &arvo, &pituus) || pituus == 0) return {};
    return static_cast<const char*>(arvo);
}

// Both programs are version 1.2.0.0 in U.S. English with Unicode strings.
inline void TarkistaKiinteaVersioJaKieli(std::vector<char>& tiedot) {
    void* arvo = nullptr;
    UINT pituus = 0;
    ASSERT_TRUE(VerQueryValueA(tiedot.data(), "\\", &arvo, &pituus));
    const auto* kiintea = static_cast<const VS_FIXEDFILEINFO*>(arvo);
    EXPECT_EQ(kiintea->dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(kiintea->dwFileVersionLS, 0u);
    EXPECT_EQ(kiintea->dwProductVersionMS, 0x00010002u);
    EXPECT_EQ(kiintea->dwProductVersionLS, 0u);
    EXPECT_EQ(kiintea->dwFileType, static_cast<DWORD>(VFT_APP));

    ASSERT_TRUE(VerQueryValueA(tiedot.data(), "\\VarFileInfo\\Translation", &arvo, &pituus));
    ASSERT_EQ(pituus, 4u);
    const auto* kieli = static_cast<const WORD*>(arvo);
    EXPECT_EQ(kieli[0], 0x0409);
    EXPECT_EQ(kieli[1], 1200);
}
