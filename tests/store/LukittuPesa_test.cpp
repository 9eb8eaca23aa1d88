// The best-results list against a hive another process holds locked while the
// game starts: the stored results must survive the defaults the start falls
// back to.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "rules/results/ParhaidenLista.h"
#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Lukitsija.h"

namespace {

std::string Nimi(std::size_t i) { return std::string(1, static_cast<char>('A' + i)); }

class LukittuPesa : public ::testing::Test {
  protected:
    // Names A to J with scores 9 down to 0.
    void SetUp() override {
        for (std::size_t i = 0; i < 10; ++i) {
            const std::string n = std::to_string(i);
            ASSERT_TRUE(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasPelaaja" + n,
                                            REG_SZ, Nimi(i)));
            ASSERT_TRUE(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasTulos" + n,
                                            REG_SZ, std::to_string(9 - i)));
        }
    }

    // The lock stays until Vapauta(), however long the store waits first.
    void Lukitse() {
        lukitsija = std::make_unique<Lukitsija>(LUKITSIJA, pesa.Tiedosto());
        ASSERT_TRUE(lukitsija->Lukittu());
    }

    void Vapauta() { ASSERT_EQ(lukitsija->Vapauta(), 0); }

    // Whether a write could begin at once now.
    bool Lukittu() const {
        sqlite3* kanta = nullptr;
        sqlite3_open_v2(pesa.Tiedosto().c_str(), &kanta, SQLITE_OPEN_READWRITE, nullptr);
        const int tulos = sqlite3_exec(kanta, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_exec(kanta, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(kanta);
        return tulos == SQLITE_BUSY;
    }

    static ParhaatTulokset Tallessa() {
        ParhaatTulokset lista;
        LataaParhaatTulokset(lista);
        EXPECT_TRUE(lista.LuettuKokonaan);
        return lista;
    }

    Testipesa pesa;
    std::unique_ptr<Lukitsija> lukitsija;
};

TEST_F(LukittuPesa, AnInsertionAfterTheLockIsGoneKeepsTheStoredEntries) {
    Lukitse();
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    EXPECT_FALSE(lista.LuettuKokonaan);
    EXPECT_EQ(lista.ParasPelaaja[0], "Relvano");
    Vapauta();

    LisaaListalle(lista, "Uusi", 5);

    const ParhaatTulokset tallessa = Tallessa();
    const std::array<std::string, 10> nimet = {"A", "B", "C", "D", "E", "Uusi", "F", "G", "H", "I"};
    const std::array<std::int16_t, 10> tulokset = {9, 8, 7, 6, 5, 5, 4, 3, 2, 1};
    EXPECT_EQ(tallessa.ParasPelaaja, nimet);
    EXPECT_EQ(tallessa.ParasTulos, tulokset);
    EXPECT_EQ(lista.ParasPelaaja, nimet);
    EXPECT_TRUE(lista.LuettuKokonaan);
}

TEST_F(LukittuPesa, AnInsertionWhileTheLockIsHeldSavesNothingButKeepsTheEntryForTheRun) {
    Lukitse();
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    ASSERT_FALSE(lista.LuettuKokonaan);

    LisaaListalle(lista, "Uusi", 5);
    ASSERT_TRUE(Lukittu());
    Vapauta();

    EXPECT_EQ(lista.ParasPelaaja[0], "Uusi");
    EXPECT_EQ(lista.ParasTulos[0], 5);
    EXPECT_FALSE(lista.LuettuKokonaan);
    const ParhaatTulokset tallessa = Tallessa();
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(tallessa.ParasPelaaja[i], Nimi(i)) << i;
        EXPECT_EQ(tallessa.ParasTulos[i], 9 - static_cast<int>(i)) << i;
    }
}

}  // namespace
