#include "rules/about/Linkit.h"

#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// Paths travel as UTF-8 whatever the system's own encoding of file names.
fs::path Polku(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& polku) {
    const std::u8string teksti = polku.generic_u8string();
    return std::string(teksti.begin(), teksti.end());
}

void AvaaKuorella(Palvelut& p, const Kuorikohde& kohde, Nayttokomento naytto) {
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    p.AvaaKuorella(kohde, naytto);
    p.AsetaOsoitin(Osoitin::Oletus);
}

}  // namespace

std::string EtsiReadme(const std::string& ohjelmanKansio) {
    const fs::path kansio = fs::absolute(Polku(ohjelmanKansio));
    for (const char* paikka : {"readme.txt", "../share/doc/morvak/readme.txt"}) {
        const fs::path polku = (kansio / paikka).lexically_normal();
        std::error_code virhe;
        if (fs::is_regular_file(polku, virhe)) return Utf8(polku);
    }
    return Utf8((kansio / "readme.txt").lexically_normal());
}

Kuorikohde ReadmeOhje(const std::string& ohjelmanKansio) {
    return {EtsiReadme(ohjelmanKansio), true};
}

Kuorikohde Kotisivu() { return {std::string(KOTISIVU) + "?" + KOTISIVUN_KYSELY, false}; }

Kuorikohde Palautelinkki() { return {std::string("mailto:") + PALAUTEOSOITE, false}; }

void AvaaReadmeOhje(Palvelut& p) {
    AvaaKuorella(p, ReadmeOhje(p.OhjelmanKansio()), Nayttokomento::Normaali);
}

// The shell is asked to keep these hidden; the browser and the mail program
// show their own windows anyway.
void AvaaKotisivu(Palvelut& p) { AvaaKuorella(p, Kotisivu(), Nayttokomento::Piilotettu); }

void AvaaPalautelinkki(Palvelut& p) { AvaaKuorella(p, Palautelinkki(), Nayttokomento::Piilotettu); }
