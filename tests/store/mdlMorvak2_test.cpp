// The store against a real hive: the SQLite one on Linux, the registry of the
// Wine prefix on Windows. Both must give the same answers.

#include "store/mdlMorvak2.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/store/Testipesa.h"
#include "tests/support/Tallennuslukko.h"

namespace {

class Varasto : public ::testing::Test {
  protected:
    // Stores a value as another program might, bypassing the store's own encoding.
    static void AsetaSuoraan(const std::string& nimi, DWORD tyyppi, const std::vector<BYTE>& data) {
        HKEY kahva = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, AVAIN_LUKU, &kahva), ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(kahva, nimi.c_str(), 0, tyyppi, data.data(),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(kahva);
    }

    // Stores a text without its terminating zero. Windows quietly counts a zero
    // that follows the given bytes, so the byte after them must not be one.
    static void AsetaIlmanNollaa(const std::string& nimi, const std::string& teksti) {
        const std::string data = teksti + 'X';
        HKEY kahva = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, AVAIN_LUKU, &kahva), ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(kahva, nimi.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(teksti.size())),
                  ERROR_SUCCESS);
        RegCloseKey(kahva);
    }

    static std::string Lue(const std::string& nimi) {
        return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
    }

    static bool Kirjoita(const std::string& nimi, const std::string& data) {
        return static_cast<bool>(
            KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, data));
    }

    // The journal of a save as a cut left it.
    static void AsetaKirjaus(const std::string& tavut) {
        AsetaSuoraan("TallennusKesken", REG_BINARY, std::vector<BYTE>(tavut.begin(), tavut.end()));
    }

    // The journal's bytes as they are stored, or nothing when there is none.
    static std::optional<std::string> Kirjaus() {
        HKEY kahva = nullptr;
        RegOpenKeyA(HKEY_CURRENT_USER, AVAIN_LUKU, &kahva);
        char data[256];
        DWORD koko = sizeof data;
        const LONG tulos = RegQueryValueExA(kahva, "TallennusKesken", nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(data), &koko);
        RegCloseKey(kahva);
        if (tulos != ERROR_SUCCESS) return std::nullopt;
        return std::string(data, koko);
    }

    Testipesa pesa;
};

// A save of two values cut after its first: the journal, the first value new
// and the second still old.
TEST_F(Varasto, ASaveCutInTheMiddleIsFinishedByTheNextRead) {
    ASSERT_TRUE(Kirjoita("ParasPelaaja0", "Aino"));
    ASSERT_TRUE(Kirjoita("ParasTulos0", "2"));
    AsetaKirjaus("Morvak-kirjaus 1\n13:ParasPelaaja04:Aino4:Bert11:ParasTulos01:21:3");
    ASSERT_TRUE(Kirjoita("ParasPelaaja0", "Bert"));

    EXPECT_EQ(Lue("ParasTulos0"), "3");
    EXPECT_EQ(Lue("ParasPelaaja0"), "Bert");
    EXPECT_EQ(Kirjaus(), std::nullopt);
}

TEST_F(Varasto, AJournalTheStoreCannotExplainIsLeftAsItIs) {
    const std::vector<std::string> kirjaukset = {
        "Morvak-kirjaus 2\n13:ParasPelaaja04:Aino4:Bert",
        "Morvak-kirjaus 1\n13:ParasPelaaja04:Aino4:Be",
        "Morvak-kirjaus 1\n13:ParasPelaaja04:Eeva4:Bert",
    };
    for (const std::string& kirjaus : kirjaukset) {
        ASSERT_TRUE(Kirjoita("ParasPelaaja0", "Aino"));
        AsetaKirjaus(kirjaus);
        EXPECT_EQ(Lue("ParasPelaaja0"), "Aino") << kirjaus;
        EXPECT_EQ(Kirjaus(), kirjaus);
    }
}

TEST_F(Varasto, MissingKeyReadsNotFoundAndFirstWriteCreatesItWithItsParent) {
    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
    HKEY kahva = nullptr;
    EXPECT_NE(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Relvano", &kahva), ERROR_SUCCESS);

    EXPECT_TRUE(Kirjoita("NaytaPainikkeet", "False"));

    EXPECT_EQ(Lue("NaytaPainikkeet"), "False");
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Relvano", &kahva), ERROR_SUCCESS);
    RegCloseKey(kahva);
}

TEST_F(Varasto, WriteStoresTheTextWithOneZeroAsRegSz) {
    ASSERT_TRUE(Kirjoita("PelinAloitustapa", "Vuoroaloitus"));

    HKEY kahva = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, AVAIN_LUKU, &kahva), ERROR_SUCCESS);
    BYTE data[64] = {};
    DWORD koko = sizeof data;
    DWORD tyyppi = 0;
    EXPECT_EQ(RegQueryValueExA(kahva, "PelinAloitustapa", nullptr, &tyyppi, data, &koko),
              ERROR_SUCCESS);
    RegCloseKey(kahva);
    EXPECT_EQ(tyyppi, REG_SZ);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), koko),
              std::string("Vuoroaloitus\0", 13));
}

#ifdef _WIN32
// The registry's own text is UTF-16: regedit, other programs and every code
// page see the letters themselves.
TEST_F(Varasto, TextIsStoredAsTheRegistrysOwnUnicode) {
    ASSERT_TRUE(Kirjoita("ParasPelaaja0", "Äijä Öhman"));

    HKEY kahva = nullptr;
    ASSERT_EQ(RegOpenKeyW(HKEY_CURRENT_USER, L"Software\\Relvano\\Morvak 1.2 Freeware", &kahva),
              ERROR_SUCCESS);
    wchar_t data[32] = {};
    DWORD koko = sizeof data;
    DWORD tyyppi = 0;
    EXPECT_EQ(RegQueryValueExW(kahva, L"ParasPelaaja0", nullptr, &tyyppi,
                               reinterpret_cast<BYTE*>(data), &koko),
              ERROR_SUCCESS);
    RegCloseKey(kahva);
    EXPECT_EQ(tyyppi, REG_SZ);
    EXPECT_EQ(std::wstring(data, koko / sizeof(wchar_t)),
              std::wstring(L"\u00C4ij\u00E4 \u00D6hman\0", 11));
}

// As the game of old and regedit store a name.
TEST_F(Varasto, UnicodeTextStoredByAnotherProgramReadsAsItsLetters) {
    HKEY kahva = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\Relvano\\Morvak 1.2 Freeware", &kahva),
              ERROR_SUCCESS);
    const wchar_t nimi[] = L"V\u00E4in\u00F6 \u20AC";
    EXPECT_EQ(RegSetValueExW(kahva, L"ParasPelaaja1", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(nimi), sizeof nimi),
              ERROR_SUCCESS);
    RegCloseKey(kahva);
    EXPECT_EQ(Lue("ParasPelaaja1"), "Väinö €");
}
#else
TEST_F(Varasto, TheHiveKeepsTheUtf8BytesOfAText) {
    ASSERT_TRUE(Kirjoita("ParasPelaaja0", "Äijä"));

    HKEY kahva = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, AVAIN_LUKU, &kahva), ERROR_SUCCESS);
    BYTE data[16] = {};
    DWORD koko = sizeof data;
    EXPECT_EQ(RegQueryValueExA(kahva, "ParasPelaaja0", nullptr, nullptr, data, &koko),
              ERROR_SUCCESS);
    RegCloseKey(kahva);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), koko),
              std::string("\xC3\x84ij\xC3\xA4\0", 7));
}
#endif

TEST_F(Varasto, TrailingBackslashAndLetterCaseNameTheSameKey) {
    ASSERT_TRUE(
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ, "True"));
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaPainikkeet"), "True");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet"), "True");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, "SOFTWARE\\relvano\\MORVAK 1.2 freeware",
                              "naytapainikkeet"),
              "True");
}

TEST_F(Varasto, LaterWriteReplacesTheEarlier) {
    ASSERT_TRUE(Kirjoita("NaytaMahdottomatLaivaruudut", "True"));
    ASSERT_TRUE(Kirjoita("NaytaMahdottomatLaivaruudut", "False"));
    EXPECT_EQ(Lue("NaytaMahdottomatLaivaruudut"), "False");
}

TEST_F(Varasto, MissingValueOfAnExistingKeyReadsNotFound) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    EXPECT_EQ(Lue("NaytaMahdottomatLaivaruudut"), "Not Found");
}

TEST_F(Varasto, EmptyTextIsNotAMissingValue) {
    ASSERT_TRUE(Kirjoita("ParasPelaaja0", ""));
    EXPECT_EQ(Lue("ParasPelaaja0"), "");
}

TEST_F(Varasto, ZeroByteValuesReadAsEmptyText) {
    AsetaSuoraan("Tyhja", REG_SZ, {});
    AsetaSuoraan("TyhjaBinaari", REG_BINARY, {});
    EXPECT_EQ(Lue("Tyhja"), "");
    EXPECT_EQ(Lue("TyhjaBinaari"), "");
}

TEST_F(Varasto, TextMustFitTheBufferWithItsZero) {
    const std::string mahtuu(2047, 'x');
    ASSERT_TRUE(Kirjoita("Pitka", mahtuu));
    EXPECT_EQ(Lue("Pitka"), mahtuu);

    ASSERT_TRUE(Kirjoita("Pitka", mahtuu + "y"));
    EXPECT_EQ(Lue("Pitka"), "Not Found");
}

TEST_F(Varasto, TextStoredWithoutItsZeroReadsWhole) {
    AsetaIlmanNollaa("ParasPelaaja0", "Eeva");
    AsetaIlmanNollaa("ParasTulos0", "13");
    EXPECT_EQ(Lue("ParasPelaaja0"), "Eeva");
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    EXPECT_EQ(lista.ParasPelaaja[0], "Eeva");
    EXPECT_EQ(lista.ParasTulos[0], 13);
    EXPECT_EQ(lista.ParasTulosTeksti[0], "13");
}

TEST_F(Varasto, TextWithoutItsZeroFitsUpTo2047Characters) {
    AsetaIlmanNollaa("Mahtuu", std::string(2047, 'x'));
    AsetaIlmanNollaa("Pitka", std::string(2048, 'x'));
    EXPECT_EQ(Lue("Mahtuu"), std::string(2047, 'x'));
    EXPECT_EQ(Lue("Pitka"), "Not Found");
}

TEST_F(Varasto, DwordReadsAsDecimalOfAtLeastThreeDigits) {
    AsetaSuoraan("Viisi", REG_DWORD, {5, 0, 0, 0});
    AsetaSuoraan("Nelinumeroinen", REG_DWORD, {0xD2, 0x04, 0, 0});
    AsetaSuoraan("Suuri", REG_DWORD, {0, 0, 1, 0});
    AsetaSuoraan("Suurin", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Lue("Viisi"), "005");
    EXPECT_EQ(Lue("Nelinumeroinen"), "1234");
    EXPECT_EQ(Lue("Suuri"), "65536");
    EXPECT_EQ(Lue("Suurin"), "4294967295");
}

TEST_F(Varasto, BinaryReadsAsUpperCaseHexPairs) {
    AsetaSuoraan("Binaari", REG_BINARY, {0x0A, 0xFF});
    AsetaSuoraan("Nollat", REG_BINARY, {0x00, 0x01, 0x00});
    EXPECT_EQ(Lue("Binaari"), "0AFF");
    EXPECT_EQ(Lue("Nollat"), "000100");
}

TEST_F(Varasto, AnotherRootDoesNotSeeTheGamesKey) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    EXPECT_EQ(LueRekisterista(HKEY_LOCAL_MACHINE, AVAIN_LUKU, "NaytaPainikkeet"), "Not Found");
}

TEST_F(Varasto, WriteThroughABadRootFailsAndStoresNothing) {
    const HKEY eiJuuri = reinterpret_cast<HKEY>(std::uintptr_t{0x1234});
    EXPECT_FALSE(KirjoitaRekisteriin(eiJuuri, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ, "True"));
    EXPECT_EQ(LueRekisterista(eiJuuri, AVAIN_LUKU, "NaytaPainikkeet"), "Not Found");
    EXPECT_EQ(Lue("NaytaPainikkeet"), "Not Found");
}

class ParhaatTuloksetVarastossa : public Varasto {
  protected:
    static ParhaatTulokset Vaiheistettu(const std::vector<std::string>& nimet) {
        ParhaatTulokset lista;
        for (std::size_t i = 0; i < 10; ++i) {
            lista.UusiParasPelaaja[i] = i < nimet.size() ? nimet[i] : "Relvano";
            lista.UusiParasTulos[i] = static_cast<std::int16_t>(100 - 10 * i);
        }
        return lista;
    }

    // Stages the list read with a new entry at its top.
    static std::function<bool(ParhaatTulokset&)> Eteen(const std::string& nimi,
                                                       std::int16_t tulos) {
        return [=](ParhaatTulokset& lista) {
            lista.UusiParasPelaaja[0] = nimi;
            lista.UusiParasTulos[0] = tulos;
            for (std::size_t i = 1; i < 10; ++i) {
                lista.UusiParasPelaaja[i] = lista.ParasPelaaja[i - 1];
                lista.UusiParasTulos[i] = lista.ParasTulos[i - 1];
            }
            return true;
        };
    }

    static std::vector<std::string> Tallessa(const char* nimi) {
        std::vector<std::string> arvot;
        for (int i = 0; i < 10; ++i) arvot.push_back(Lue(nimi + std::to_string(i)));
        return arvot;
    }
};

TEST_F(ParhaatTuloksetVarastossa, EmptyStoreLoadsTenDefaultEntries) {
    ParhaatTulokset lista;
    lista.ParasTulos.fill(9);
    lista.LuettuKokonaan = false;
    LataaParhaatTulokset(lista);
    EXPECT_TRUE(lista.LuettuKokonaan) << "a first run finds nothing and that is the whole list";
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(lista.ParasPelaaja[i], "Relvano") << i;
        EXPECT_EQ(lista.ParasTulos[i], 0) << i;
        EXPECT_EQ(lista.ParasTulosTeksti[i], "0") << i;
    }
}

TEST_F(ParhaatTuloksetVarastossa, EmptyNameAndScoreLoadAsDefaults) {
    ASSERT_TRUE(Kirjoita("ParasPelaaja2", ""));
    ASSERT_TRUE(Kirjoita("ParasTulos2", ""));
    ParhaatTulokset lista;
    lista.ParasTulos[2] = 4;
    LataaParhaatTulokset(lista);
    EXPECT_EQ(lista.ParasPelaaja[2], "Relvano");
    EXPECT_EQ(lista.ParasTulos[2], 0);
    EXPECT_EQ(lista.ParasTulosTeksti[2], "0");
}

TEST_F(ParhaatTuloksetVarastossa, ScoreThatIsNoSixteenBitNumberKeepsTheScoreInMemory) {
    ASSERT_TRUE(Kirjoita("ParasTulos0", "kolme"));
    ASSERT_TRUE(Kirjoita("ParasTulos1", "32768"));
    ASSERT_TRUE(Kirjoita("ParasTulos2", "-32768"));
    ASSERT_TRUE(Kirjoita("ParasTulos3", "12"));
    ParhaatTulokset lista;
    lista.ParasTulos = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    LataaParhaatTulokset(lista);
    EXPECT_EQ(lista.ParasTulos[0], 7);
    EXPECT_EQ(lista.ParasTulosTeksti[0], "kolme");
    EXPECT_EQ(lista.ParasTulos[1], 8);
    EXPECT_EQ(lista.ParasTulos[2], -32768);
    EXPECT_EQ(lista.ParasTulos[3], 12);
    EXPECT_EQ(lista.ParasTulosTeksti[3], "12");
    EXPECT_EQ(lista.ParasTulos[4], 0);
}

TEST_F(ParhaatTuloksetVarastossa, SaveWritesTheStagedListAsTwentyTexts) {
    ParhaatTulokset lista = Vaiheistettu({"Aino", "Eino"});
    lista.ParasPelaaja[0] = "elävä lista ei tallennu";
    ASSERT_TRUE(TallennaParhaatTulokset(lista));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(Lue("ParasPelaaja" + std::to_string(i)), lista.UusiParasPelaaja[i]);
        EXPECT_EQ(Lue("ParasTulos" + std::to_string(i)), std::to_string(100 - 10 * i));
    }
}

TEST_F(ParhaatTuloksetVarastossa, NamesComeBackExactlyAsTyped) {
    const std::vector<std::string> nimet = {"Äijä Öhman", " Åsa  ",         "ÄÖÅäöå",
                                            "  ",         "Väinö Välimäki", "a\"b'c\\d%_&"};
    ParhaatTulokset lista = Vaiheistettu(nimet);
    lista.UusiParasTulos[9] = 32767;
    ASSERT_TRUE(TallennaParhaatTulokset(lista));
    LataaParhaatTulokset(lista);
    EXPECT_TRUE(lista.LuettuKokonaan);
    for (std::size_t i = 0; i < nimet.size(); ++i) EXPECT_EQ(lista.ParasPelaaja[i], nimet[i]);
    EXPECT_EQ(lista.ParasTulos[0], 100);
    EXPECT_EQ(lista.ParasTulos[9], 32767);
    EXPECT_EQ(lista.ParasTulosTeksti[9], "32767");
}

// Another copy is in the middle of saving its entry when this one saves: this
// one is told at once that the key is held, and made again once that copy is
// done, places its own entry in the list that copy left; both entries stay.
TEST_F(ParhaatTuloksetVarastossa, ASaveMadeAgainAfterAnotherCopysSaveKeepsBothEntries) {
    ASSERT_TRUE(Kirjoita("NaytaPainikkeet", "True"));
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    Tallennuslukko toinen(pesa);
    ASSERT_TRUE(toinen.Lukittu());

    EXPECT_EQ(PaivitaParhaatTulokset(lista, Eteen("Aino", 2)).laji, Tallennustulos::Varattu);
    toinen.Vapauta();
    EXPECT_TRUE(PaivitaParhaatTulokset(lista, Eteen("Aino", 2)));

    EXPECT_EQ(Tallessa("ParasPelaaja"),
              (std::vector<std::string>{"Aino", "Tallennettu", "Relvano", "Relvano", "Relvano",
                                        "Relvano", "Relvano", "Relvano", "Relvano", "Relvano"}));
}

// The removal tool deletes the key while the game runs.
TEST_F(ParhaatTuloksetVarastossa, ASaveAfterTheKeyWasDeletedDoesNotBringTheResultsBack) {
    ParhaatTulokset lista;
    ASSERT_TRUE(PaivitaParhaatTulokset(lista, Eteen("Aino", 2)));
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, AVAIN_LUKU), ERROR_SUCCESS);

    EXPECT_TRUE(PaivitaParhaatTulokset(lista, Eteen("Bert", 1)));

    EXPECT_EQ(Tallessa("ParasPelaaja"),
              (std::vector<std::string>{"Bert", "Relvano", "Relvano", "Relvano", "Relvano",
                                        "Relvano", "Relvano", "Relvano", "Relvano", "Relvano"}));
    EXPECT_EQ(Tallessa("ParasTulos"),
              (std::vector<std::string>{"1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST_F(ParhaatTuloksetVarastossa, AChangeThatStagesNothingSavesNothing) {
    ASSERT_TRUE(Kirjoita("ParasTulos0", "07"));
    ParhaatTulokset lista;
    EXPECT_FALSE(PaivitaParhaatTulokset(lista, [](ParhaatTulokset&) { return false; }));
    EXPECT_EQ(Lue("ParasTulos0"), "07");
    EXPECT_EQ(Lue("ParasPelaaja0"), "Not Found");
    EXPECT_EQ(lista.ParasTulos[0], 7) << "the list read again is live";
}

}  // namespace
