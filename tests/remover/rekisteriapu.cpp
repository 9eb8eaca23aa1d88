// Seeds and inspects the current user's registry for the removal tool's
// end-to-end runs, through the same registry layer the game uses and with the
// game's own key path, so a tool that deleted some other key would be caught.
//
//   rekisteriapu tallenna   store what a played game leaves, plus values of
//                           other products under Software\Relvano
//   rekisteriapu tila       print what the game and its neighbours see now

#include <cstdio>
#include <cstring>
#include <string>

#include "store/mdlMorvak2.h"

namespace {

constexpr const char* VANHEMPI = "Software\\Relvano";
// Shares the game key's name as a prefix, so a deletion by prefix shows.
constexpr const char* SISAR = "Software\\Relvano\\Morvak 1.2 Freeware 2";

bool Kirjoita(const char* avain, const char* nimi, const std::string& teksti) {
    HKEY kahva = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, avain, &kahva) != ERROR_SUCCESS) return false;
    const auto tulos =
        RegSetValueExA(kahva, nimi, 0, REG_SZ, reinterpret_cast<const BYTE*>(teksti.c_str()),
                       static_cast<DWORD>(teksti.size() + 1));
    RegFlushKey(kahva);
    RegCloseKey(kahva);
    return tulos == ERROR_SUCCESS;
}

bool OnOlemassa(const char* avain) {
    HKEY kahva = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, avain, &kahva) != ERROR_SUCCESS) return false;
    RegCloseKey(kahva);
    return true;
}

std::string Lue(const char* avain, const char* nimi) {
    HKEY kahva = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, avain, &kahva) != ERROR_SUCCESS) return EI_LOYTYNYT;
    char puskuri[2048];
    DWORD koko = sizeof puskuri;
    DWORD tyyppi = 0;
    const auto tulos =
        RegQueryValueExA(kahva, nimi, nullptr, &tyyppi, reinterpret_cast<BYTE*>(puskuri), &koko);
    RegCloseKey(kahva);
    if (tulos != ERROR_SUCCESS) return EI_LOYTYNYT;
    return std::string(puskuri, koko > 0 ? koko - 1 : 0);
}

int Tallenna() {
    const bool kaikki = Kirjoita(AVAIN_KIRJOITUS, "NaytaPainikkeet", "False") &&
                        Kirjoita(AVAIN_KIRJOITUS, "ParasPelaaja0", "Testaaja") &&
                        Kirjoita(AVAIN_KIRJOITUS, "ParasTulos0", "7") &&
                        Kirjoita(VANHEMPI, "Naapuri", "jaa") && Kirjoita(SISAR, "Arvo", "jaa");
    return kaikki ? 0 : 1;
}

int Tila() {
    std::printf("peli: %s %s\n", Lue(AVAIN_LUKU, "NaytaPainikkeet").c_str(),
                Lue(AVAIN_LUKU, "ParasPelaaja0").c_str());
    std::printf("avain: %s\n", OnOlemassa(AVAIN_LUKU) ? "olemassa" : "poissa");
    std::printf("vanhempi: %s %s\n", OnOlemassa(VANHEMPI) ? "olemassa" : "poissa",
                Lue(VANHEMPI, "Naapuri").c_str());
    std::printf("sisar: %s\n", Lue(SISAR, "Arvo").c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "tallenna") == 0) return Tallenna();
    if (argc == 2 && std::strcmp(argv[1], "tila") == 0) return Tila();
    std::fprintf(stderr, "käyttö: rekisteriapu tallenna|tila\n");
    return 2;
}
