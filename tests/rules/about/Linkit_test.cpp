#include "rules/about/Linkit.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/support/NakymaTesti.h"

namespace {

namespace fs = std::filesystem;

// The rules take and give paths in UTF-8, whatever the system's own encoding.
std::string Utf8(const fs::path& polku) {
    const std::u8string teksti = polku.u8string();
    return std::string(teksti.begin(), teksti.end());
}

fs::path Polku(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A folder of the test's own, gone with it; the current folder is put back.
class Kansio : public ::testing::Test {
  protected:
    Kansio() : juuri(fs::temp_directory_path() / ("morvak-linkit-" + std::to_string(::getpid()))) {
        fs::create_directories(juuri);
    }
    ~Kansio() override {
        fs::current_path(alkuperainen);
        fs::remove_all(juuri);
    }

    void Kirjoita(const fs::path& polku, const std::string& sisalto) {
        fs::create_directories(polku.parent_path());
        std::ofstream(polku) << sisalto;
    }

    fs::path alkuperainen = fs::current_path();
    fs::path juuri;
};

TEST_F(Kansio, BuildTreeReadmeIsFoundFromAnotherCurrentFolder) {
    fs::current_path(juuri);

    const std::string polku = EtsiReadme(MORVAK_PELIN_KANSIO);

    EXPECT_EQ(fs::path(polku), fs::path(MORVAK_PELIN_KANSIO) / "readme.txt");
    std::ifstream readme(polku);
    const std::string sisalto((std::istreambuf_iterator<char>(readme)), {});
    EXPECT_NE(sisalto.find("morvakpoisto"), std::string::npos);
}

TEST_F(Kansio, InstalledReadmeIsFoundInTheDocumentsBesideTheGamesFolder) {
    fs::create_directories(juuri / "games");
    Kirjoita(juuri / "share/doc/morvak/readme.txt", "asennettu");
    fs::current_path(juuri);

    EXPECT_EQ(fs::path(EtsiReadme((juuri / "games").string())),
              juuri / "share/doc/morvak/readme.txt");

    Kirjoita(juuri / "games/readme.txt", "oma kansio");
    EXPECT_EQ(fs::path(EtsiReadme((juuri / "games").string())), juuri / "games/readme.txt");
}

TEST_F(Kansio, MissingReadmeStillNamesTheProgramsFolder) {
    EXPECT_EQ(fs::path(EtsiReadme(juuri.string())), juuri / "readme.txt");
    // A relative folder is taken from where the process stands, once.
    fs::current_path(juuri);
    EXPECT_EQ(fs::path(EtsiReadme("bin")), juuri / "bin/readme.txt");
}

TEST_F(Kansio, AFolderWithLettersBeyondAsciiIsKeptWhole) {
    const fs::path kansio = juuri / u8"Pelit/Mörkö";
    Kirjoita(kansio / "readme.txt", "ohje");
    EXPECT_EQ(Polku(EtsiReadme(Utf8(juuri) + "/Pelit/Mörkö")), kansio / "readme.txt");
}

TEST(Linkit, EachCommandOpensItsTargetWithItsShowCommandUnderTheHourglass) {
    NakymaTesti n;
    AvaaReadmeOhje(n);
    AvaaKotisivu(n);
    AvaaPalautelinkki(n);

    ASSERT_EQ(n.avaukset.size(), 3u);
    EXPECT_EQ(n.avaukset[0].kohde,
              (Kuorikohde{std::string(OHJELMAN_KANSIO) + "/readme.txt", true}));
    EXPECT_EQ(n.avaukset[0].naytto, Nayttokomento::Normaali);
    EXPECT_EQ(n.avaukset[1].kohde, (Kuorikohde{"https://www.morvak.fi/morvak/?morvak12", false}));
    EXPECT_EQ(n.avaukset[1].naytto, Nayttokomento::Piilotettu);
    EXPECT_EQ(n.avaukset[2].kohde, (Kuorikohde{"mailto:palaute@morvak.fi", false}));
    EXPECT_EQ(n.avaukset[2].naytto, Nayttokomento::Piilotettu);
    for (const auto& avaus : n.avaukset) EXPECT_EQ(avaus.osoitin, Osoitin::Tiimalasi);
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

}  // namespace
