// The store's calls to the registry, step by step, against a recording
// stand-in that can make any step fail.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/registry/kirjoitusera.h"
#include "rules/results/ParhaidenLista.h"
#include "store/mdlMorvak2.h"

namespace {

const HKEY KAHVA = reinterpret_cast<HKEY>(std::uintptr_t{0x42});

struct Arvo {
    DWORD tyyppi;
    std::string data;
};

struct Rekisteri {
    std::vector<std::string> kutsut;
    LONG luonti = ERROR_SUCCESS;
    LONG avaus = ERROR_SUCCESS;
    LONG huuhtelu = ERROR_SUCCESS;
    int epaonnistuvaAsetus = -1;
    int asetuksia = 0;
    std::map<std::string, Arvo> arvot;
    DWORD saatuTila = 0;
    bool puskuriValilyonteja = false;
    bool eraAukeaa = true;
};

Rekisteri rekisteri;

std::string Kahva(HKEY kahva) {
    if (kahva == HKEY_CURRENT_USER) return "HKCU";
    return kahva == KAHVA ? "h" : "0";
}

}  // namespace

LONG RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    rekisteri.kutsut.push_back("Create " + Kahva(hKey) + " " + lpSubKey);
    if (rekisteri.luonti == ERROR_SUCCESS) *phkResult = KAHVA;
    return rekisteri.luonti;
}

LONG RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    rekisteri.kutsut.push_back("Open " + Kahva(hKey) + " " + lpSubKey);
    if (rekisteri.avaus == ERROR_SUCCESS) *phkResult = KAHVA;
    return rekisteri.avaus;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData) {
    rekisteri.kutsut.push_back("Set " + Kahva(hKey) + " " + lpValueName + " " +
                               std::to_string(Reserved) + " " + std::to_string(dwType) + " " +
                               std::string(reinterpret_cast<const char*>(lpData), cbData) + " " +
                               std::to_string(cbData));
    if (rekisteri.asetuksia++ == rekisteri.epaonnistuvaAsetus) return ERROR_ACCESS_DENIED;
    return hKey == KAHVA ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData) {
    rekisteri.kutsut.push_back("Query " + Kahva(hKey) + " " + lpValueName);
    rekisteri.saatuTila = *lpcbData;
    rekisteri.puskuriValilyonteja =
        std::all_of(lpData, lpData + *lpcbData, [](BYTE b) { return b == ' '; });
    const auto arvo = rekisteri.arvot.find(lpValueName);
    if (hKey != KAHVA || lpReserved != nullptr || arvo == rekisteri.arvot.end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    *lpType = arvo->second.tyyppi;
    const auto koko = static_cast<DWORD>(arvo->second.data.size());
    if (koko > *lpcbData) return ERROR_MORE_DATA;
    std::memcpy(lpData, arvo->second.data.data(), koko);
    *lpcbData = koko;
    return ERROR_SUCCESS;
}

LONG RegFlushKey(HKEY hKey) {
    rekisteri.kutsut.push_back("Flush " + Kahva(hKey));
    return hKey == KAHVA ? rekisteri.huuhtelu : ERROR_INVALID_HANDLE;
}

LONG RegCloseKey(HKEY hKey) {
    rekisteri.kutsut.push_back("Close " + Kahva(hKey));
    return hKey == KAHVA ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegDeleteKeyA(HKEY, LPCSTR) { return ERROR_ACCESS_DENIED; }

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
    rekisteri.kutsut.push_back("Delete " + Kahva(hKey) + " " + lpValueName);
    return hKey == KAHVA ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

KirjoitusEra::KirjoitusEra(HKEY juuri, const char* avain) : auki_(rekisteri.eraAukeaa) {
    rekisteri.kutsut.push_back("Begin " + Kahva(juuri) + " " + avain);
}

KirjoitusEra::~KirjoitusEra() { rekisteri.kutsut.push_back("End"); }

bool KirjoitusEra::Vahvista() {
    rekisteri.kutsut.push_back("Commit");
    return auki_;
}

namespace {

using Kutsut = std::vector<std::string>;
const std::string KIRJOITUSAVAIN = "HKCU Software\\Relvano\\Morvak 1.2 Freeware\\";
const std::string LUKUAVAIN = "HKCU Software\\Relvano\\Morvak 1.2 Freeware";

class Kutsujarjestys : public ::testing::Test {
  protected:
    void SetUp() override { rekisteri = {}; }

    // Another copy's list of A to J with the scores 9 down to 0.
    static void TallennaToisenLista() {
        for (std::size_t i = 0; i < 10; ++i) {
            const std::string n = std::to_string(i);
            rekisteri.arvot["ParasPelaaja" + n] = {REG_SZ, std::string(1, char('A' + i)) + '\0'};
            rekisteri.arvot["ParasTulos" + n] = {REG_SZ, std::to_string(9 - i) + '\0'};
        }
    }

    static Kutsut Asetukset() {
        Kutsut asetukset;
        for (const auto& kutsu : rekisteri.kutsut) {
            if (kutsu.rfind("Set ", 0) == 0) asetukset.push_back(kutsu);
        }
        return asetukset;
    }
};

TEST_F(Kutsujarjestys, WriteCreatesSetsTheTextWithItsZeroFlushesAndCloses) {
    EXPECT_TRUE(
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ, "True"));
    EXPECT_EQ(rekisteri.kutsut,
              (Kutsut{"Create " + KIRJOITUSAVAIN,
                      "Set h NaytaPainikkeet 0 1 " + std::string("True\0", 5) + " 5", "Flush h",
                      "Close h"}));
}

TEST_F(Kutsujarjestys, WriteCountsTheBytesOfLettersBeyondAscii) {
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasPelaaja0", REG_SZ, "Äijä");
    EXPECT_EQ(rekisteri.kutsut.at(1), "Set h ParasPelaaja0 0 1 " + std::string("Äijä\0", 7) + " 7");
}

TEST_F(Kutsujarjestys, WriteTakesEveryStepEvenWhenTheKeyCannotBeCreated) {
    rekisteri.luonti = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ, "x"));
    EXPECT_EQ(rekisteri.kutsut, (Kutsut{"Create " + KIRJOITUSAVAIN,
                                        "Set 0 NaytaPainikkeet 0 1 " + std::string("x\0", 2) + " 2",
                                        "Flush 0", "Close 0"}));
}

TEST_F(Kutsujarjestys, WriteTellsAFailedSetOrFlush) {
    rekisteri.epaonnistuvaAsetus = 0;
    EXPECT_FALSE(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "A", REG_SZ, "x"));
    EXPECT_EQ(rekisteri.kutsut.back(), "Close h");

    rekisteri = {};
    rekisteri.huuhtelu = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "A", REG_SZ, "x"));
    EXPECT_EQ(rekisteri.kutsut.back(), "Close h");
}

// A read first looks for the journal of a save cut in the middle.
TEST_F(Kutsujarjestys, ReadOpensQueriesAFullBufferOfSpacesAndCloses) {
    rekisteri.arvot["NaytaPainikkeet"] = {REG_SZ, std::string("False\0", 6)};
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaPainikkeet"), "False");
    EXPECT_EQ(rekisteri.kutsut,
              (Kutsut{"Open " + LUKUAVAIN, "Query h TallennusKesken", "Close h",
                      "Open " + LUKUAVAIN, "Query h NaytaPainikkeet", "Close h"}));
    EXPECT_EQ(rekisteri.saatuTila, 2048u);
    EXPECT_TRUE(rekisteri.puskuriValilyonteja);
}

TEST_F(Kutsujarjestys, ReadClosesAlsoAfterAFailure) {
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "Puuttuu"), "Not Found");
    EXPECT_EQ(rekisteri.kutsut.back(), "Close h");

    rekisteri = {};
    rekisteri.avaus = ERROR_FILE_NOT_FOUND;
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "Puuttuu"), "Not Found");
    EXPECT_EQ(rekisteri.kutsut, (Kutsut{"Open " + LUKUAVAIN, "Query 0 TallennusKesken", "Close 0",
                                        "Open " + LUKUAVAIN, "Query 0 Puuttuu", "Close 0"}));
}

TEST_F(Kutsujarjestys, ShortDwordCountsItsMissingBytesAsZero) {
    rekisteri.arvot["Lyhyt"] = {REG_DWORD, std::string("\x05\x01", 2)};
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "Lyhyt"), "261");
}

TEST_F(Kutsujarjestys, LoadReadsNameThenScorePlaceByPlace) {
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    ASSERT_EQ(rekisteri.kutsut.size(), 3u + 60u);
    EXPECT_EQ(rekisteri.kutsut[1], "Query h TallennusKesken");
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(rekisteri.kutsut[3 + 6 * i], "Open " + LUKUAVAIN);
        EXPECT_EQ(rekisteri.kutsut[3 + 6 * i + 1], "Query h ParasPelaaja" + std::to_string(i));
        EXPECT_EQ(rekisteri.kutsut[3 + 6 * i + 4], "Query h ParasTulos" + std::to_string(i));
    }
}

TEST_F(Kutsujarjestys, LoadIsWholeWhenEveryValueIsReadMissingOrTooLong) {
    rekisteri.arvot["ParasPelaaja0"] = {REG_SZ, std::string("A\0", 2)};
    rekisteri.arvot["ParasPelaaja1"] = {REG_SZ, std::string(3000, 'x')};
    ParhaatTulokset lista;
    lista.LuettuKokonaan = false;
    LataaParhaatTulokset(lista);
    EXPECT_TRUE(lista.LuettuKokonaan);
    EXPECT_EQ(lista.ParasPelaaja[0], "A");
    EXPECT_EQ(lista.ParasPelaaja[1], "Relvano");

    rekisteri.avaus = ERROR_FILE_NOT_FOUND;
    LataaParhaatTulokset(lista);
    EXPECT_TRUE(lista.LuettuKokonaan) << "no key is an empty list";
}

TEST_F(Kutsujarjestys, LoadIsNotWholeWhenTheKeyCannotBeOpenedForAnyOtherReason) {
    rekisteri.avaus = ERROR_LOCK_VIOLATION;
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    EXPECT_FALSE(lista.LuettuKokonaan);
    EXPECT_EQ(lista.ParasPelaaja[0], "Relvano");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja0"), "Not Found");
}

// The hive answers reads with a lock but would take writes: the defaults read
// in place of the stored list must still not be written over it.
TEST_F(Kutsujarjestys, AnInsertionIntoAListThatCannotBeReadWholeWritesNothing) {
    rekisteri.avaus = ERROR_LOCK_VIOLATION;
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    rekisteri.kutsut.clear();

    LisaaListalle(lista, "Uusi", 5);

    EXPECT_EQ(std::count_if(rekisteri.kutsut.begin(), rekisteri.kutsut.end(),
                            [](const std::string& kutsu) { return kutsu.rfind("Set ", 0) == 0; }),
              0);
    ASSERT_GE(rekisteri.kutsut.size(), 6u);
    EXPECT_EQ(rekisteri.kutsut[5], "Query 0 ParasPelaaja0") << "the list is read again first";
    EXPECT_EQ(lista.ParasPelaaja[0], "Uusi");
    EXPECT_EQ(lista.ParasTulos[0], 5);
}

// The list in memory was loaded before another copy saved its own. In one
// unit: a journal left by a cut save is looked for first, the list is read
// again, and the new one is saved whole: its journal written and flushed
// before any value, the values flushed before the journal goes.
TEST_F(Kutsujarjestys, AnInsertionPlacesTheEntryInTheListReadAgainAndSavesItWholeInOneUnit) {
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    TallennaToisenLista();
    rekisteri.kutsut.clear();

    LisaaListalle(lista, "Uusi", 5);

    const Kutsut& kutsut = rekisteri.kutsut;
    ASSERT_EQ(kutsut.size(), 1u + 3u + 60u + 60u + 26u + 2u + 63u);
    EXPECT_EQ(kutsut[0], "Begin " + KIRJOITUSAVAIN);
    EXPECT_EQ(kutsut[2], "Query h TallennusKesken");
    EXPECT_EQ(kutsut[5], "Query h ParasPelaaja0");
    EXPECT_EQ(kutsut[124], "Create " + KIRJOITUSAVAIN);
    EXPECT_EQ(kutsut[125].rfind("Set h TallennusKesken 0 3 Morvak-kirjaus 1\n", 0), 0u);
    EXPECT_NE(kutsut[125].find("13:ParasPelaaja51:F4:Uusi11:ParasTulos51:41:5"), std::string::npos);
    EXPECT_EQ(kutsut[126], "Flush h");
    EXPECT_EQ(kutsut[127].rfind("Set h ParasPelaaja0 ", 0), 0u);
    EXPECT_EQ(kutsut[146].rfind("Set h ParasTulos9 ", 0), 0u);
    EXPECT_EQ((Kutsut(kutsut.begin() + 147, kutsut.begin() + 153)),
              (Kutsut{"Flush h", "Delete h TallennusKesken", "Close h", "Commit", "End",
                      "Open " + LUKUAVAIN}))
        << "the live list is read back after the unit";

    using namespace std::string_literals;
    const Kutsut asetukset = Asetukset();
    ASSERT_EQ(asetukset.size(), 21u);
    EXPECT_EQ(asetukset[9], "Set h ParasPelaaja4 0 1 E\0 2"s);
    EXPECT_EQ(asetukset[11], "Set h ParasPelaaja5 0 1 Uusi\0 5"s);
    EXPECT_EQ(asetukset[13], "Set h ParasPelaaja6 0 1 F\0 2"s);
}

// Another copy holds the key for longer than the wait: saving now could
// overwrite what it is about to save.
TEST_F(Kutsujarjestys, AnInsertionThatCannotOpenItsUnitWritesNothingButKeepsTheEntryForTheRun) {
    TallennaToisenLista();
    rekisteri.eraAukeaa = false;
    ParhaatTulokset lista;
    lista.ParasPelaaja.fill("Relvano");

    LisaaListalle(lista, "Uusi", 5);

    EXPECT_EQ(rekisteri.kutsut, (Kutsut{"Begin " + KIRJOITUSAVAIN, "End"}));
    EXPECT_EQ(lista.ParasPelaaja[0], "Uusi");
    EXPECT_EQ(lista.ParasTulos[0], 5);
    EXPECT_EQ(lista.ParasPelaaja[1], "Relvano");
}

TEST_F(Kutsujarjestys, ClearSavesTheDefaultsAsAnyListIsSaved) {
    TallennaToisenLista();
    ParhaatTulokset lista;
    TyhjennaLista(lista);
    using namespace std::string_literals;
    const Kutsut asetukset = Asetukset();
    ASSERT_EQ(asetukset.size(), 21u);
    EXPECT_EQ(rekisteri.kutsut.front(), "Begin " + KIRJOITUSAVAIN);
    EXPECT_EQ(asetukset[0].rfind("Set h TallennusKesken 0 3 ", 0), 0u);
    EXPECT_EQ(asetukset[1], "Set h ParasPelaaja0 0 1 Relvano\0 8"s);
    EXPECT_EQ(asetukset[20], "Set h ParasTulos9 0 1 0\0 2"s);
}

TEST_F(Kutsujarjestys, SaveWritesTheJournalAndThenNameThenScorePlaceByPlace) {
    ParhaatTulokset lista;
    for (std::size_t i = 0; i < 10; ++i) {
        lista.UusiParasPelaaja[i] = "N" + std::to_string(i);
        lista.UusiParasTulos[i] = static_cast<std::int16_t>(20 - i);
    }
    EXPECT_TRUE(TallennaParhaatTulokset(lista));

    using namespace std::string_literals;
    const Kutsut asetukset = Asetukset();
    ASSERT_EQ(asetukset.size(), 21u);
    EXPECT_EQ(asetukset[0].rfind("Set h TallennusKesken 0 3 Morvak-kirjaus 1\n"
                                 "13:ParasPelaaja09:Not Found2:N011:ParasTulos09:Not Found2:20"s,
                                 0),
              0u)
        << "the journal holds each value's text before and after";
    for (std::size_t i = 0; i < 10; ++i) {
        const std::string nimi = "N" + std::to_string(i);
        const std::string tulos = std::to_string(20 - i);
        EXPECT_EQ(asetukset[1 + 2 * i], "Set h ParasPelaaja" + std::to_string(i) + " 0 1 " + nimi +
                                            '\0' + " " + std::to_string(nimi.size() + 1));
        EXPECT_EQ(asetukset[2 + 2 * i], "Set h ParasTulos" + std::to_string(i) + " 0 1 " + tulos +
                                            '\0' + " " + std::to_string(tulos.size() + 1));
    }
}

// A value that cannot be written ends the save with its journal in place, so
// the next read finishes it; no value is written before the journal is.
TEST_F(Kutsujarjestys, AFailedWriteEndsTheSaveAndLeavesItsJournal) {
    ParhaatTulokset lista;
    rekisteri.epaonnistuvaAsetus = 3;
    EXPECT_FALSE(TallennaParhaatTulokset(lista));
    EXPECT_EQ(Asetukset().size(), 4u);
    EXPECT_EQ(rekisteri.kutsut.back(), "Close h");
    EXPECT_EQ(
        std::count(rekisteri.kutsut.begin(), rekisteri.kutsut.end(), "Delete h TallennusKesken"),
        0);

    rekisteri = {};
    rekisteri.epaonnistuvaAsetus = 0;
    EXPECT_FALSE(TallennaParhaatTulokset(lista));
    EXPECT_EQ(Asetukset().size(), 1u);
}

TEST_F(Kutsujarjestys, SaveSucceedsWhenEveryWriteDoes) {
    ParhaatTulokset lista;
    EXPECT_TRUE(TallennaParhaatTulokset(lista));
}

}  // namespace
