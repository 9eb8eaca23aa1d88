// The removal tool run while a copy of the game is in the middle of a save:
// it waits for the save's lock, and deletes once the save is over, the value
// the save stored with the rest.

#include "remover/mdlMorvakPoisto.h"

#include <gtest/gtest.h>

#include "store/mdlMorvak2.h"
#include "tests/support/Tallennuslukko.h"

namespace {

TEST(PoistaJarjestelmatiedot, WaitsForASaveUnderWayAndDeletesAfterIt) {
    Testipesa pesa;
    ASSERT_TRUE(
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ, "True"));
    Tallennuslukko tallennus(pesa);
    ASSERT_TRUE(tallennus.Lukittu());
    tallennus.PaattyyKunOdotetaan();

    EXPECT_STREQ(PoistaJarjestelmatiedot().otsikko, "Poistettu");

    EXPECT_TRUE(tallennus.Odotettiin());
    HKEY kahva = nullptr;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, MORVAKIN_AVAIN, &kahva), ERROR_FILE_NOT_FOUND)
        << "the save ended after the removal";
    RegCloseKey(kahva);
}

}  // namespace
