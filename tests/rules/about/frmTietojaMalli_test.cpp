// The About box as data: what it shows, its links, and its ways out.

#include "rules/about/frmTietojaMalli.h"

#include <gtest/gtest.h>

#include "tests/support/Dialogissa.h"
#include "tests/support/NakymaTesti.h"

namespace {

TEST(Tietoja, ShowsTheNameTheAuthorAndTheLinksWithoutTheQuery) {
    NakymaTesti n;
    const frmTietojaMalli m(n);
    EXPECT_EQ(m.Taulukko().otsikko, "Tietoja ohjelmasta");
    EXPECT_EQ(Dialogissa(m),
              "painike: OK [oletus]\n"
              "teksti: Morvak\n"
              "teksti: Versio 1.2 · Tekijät: Morvak-työryhmä\n"
              "linkki: https://www.morvak.fi/morvak/\n"
              "linkki: palaute@morvak.fi");
}

TEST(Tietoja, EachClickOnALinkOpensItAgainAndTheBoxStays) {
    NakymaTesti n;
    frmTietojaMalli m(n);
    m.Napsauta("lblWWW");
    m.Napsauta("lblWWW");
    m.Napsauta("lblEmail");
    EXPECT_TRUE(m.Auki());
    ASSERT_EQ(n.avaukset.size(), 3u);
    EXPECT_EQ(n.avaukset[0].kohde.polku, "https://www.morvak.fi/morvak/?morvak12");
    EXPECT_EQ(n.avaukset[1].kohde.polku, "https://www.morvak.fi/morvak/?morvak12");
    EXPECT_EQ(n.avaukset[2].kohde.polku, "mailto:palaute@morvak.fi");
}

// OK is both the default and the cancel button.
TEST(Tietoja, OkAndEscClose) {
    NakymaTesti n;
    for (const bool esc : {false, true}) {
        frmTietojaMalli m(n);
        if (esc) {
            m.Esc();
        } else {
            m.Napsauta("cmdOK");
        }
        EXPECT_FALSE(m.Auki());
        EXPECT_EQ(n.osoitin, Osoitin::Oletus);
    }
}

}  // namespace
