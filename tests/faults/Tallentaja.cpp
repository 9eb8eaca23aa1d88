// Saves the best-results list, or the settings, over and over, as the game
// saves them, until it kills itself at the n-th moment of its changes to the
// store (KatkaiseHetkella). Round k stores what katko::Kierroksen names.
// Starts from the round given and prints each round's number once it is
// stored.
//   morvak_tallentaja lista|asetukset <first round> <n>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/Asetusarvot.h"
#include "store/mdlMorvak2.h"
#include "tests/faults/Katkaisija.h"

namespace {

bool TallennaLista(long kierros) {
    ParhaatTulokset lista;
    return static_cast<bool>(PaivitaParhaatTulokset(lista, [kierros](ParhaatTulokset& tallessa) {
        for (std::size_t i = 0; i < 10; ++i) {
            tallessa.UusiParasPelaaja[i] = "P" + std::to_string(kierros) + "-" + std::to_string(i);
            tallessa.UusiParasTulos[i] = static_cast<std::int16_t>(kierros % 30000);
        }
        return true;
    }));
}

bool TallennaAsetuksina(long kierros) {
    const bool parillinen = kierros % 2 == 0;
    return static_cast<bool>(
        TallennaAsetukset("T" + std::to_string(kierros), parillinen, parillinen, parillinen));
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string tallennus = argc == 4 ? argv[1] : "";
    if (tallennus != "lista" && tallennus != "asetukset") {
        std::fprintf(stderr, "käyttö: %s lista|asetukset <ensimmäinen kierros> <n>\n", argv[0]);
        return 2;
    }
    const auto tallenna = tallennus == "lista" ? TallennaLista : TallennaAsetuksina;
    KatkaiseHetkella(std::strtol(argv[3], nullptr, 10));
    for (long kierros = std::strtol(argv[2], nullptr, 10);; ++kierros) {
        if (tallenna(kierros)) {
            std::printf("%ld\n", kierros);
            std::fflush(stdout);
        }
    }
}
