// Saves the best-results list over and over, as an insertion saves it, until
// it kills itself at the n-th moment of its changes to the hive's files
// (KatkaiseHetkella): round k names place i "P<k>-<i>" and gives it the score
// k (modulo 30000). Starts from the round given and prints each round's
// number once it is stored.
//   morvak_tallentaja <first round> <n>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/mdlMorvak2.h"
#include "tests/faults/Katkaisija.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "käyttö: %s <ensimmäinen kierros> <n>\n", argv[0]);
        return 2;
    }
    KatkaiseHetkella(std::strtol(argv[2], nullptr, 10));
    ParhaatTulokset lista;
    for (long kierros = std::strtol(argv[1], nullptr, 10);; ++kierros) {
        const auto vaiheista = [kierros](ParhaatTulokset& tallessa) {
            for (std::size_t i = 0; i < 10; ++i) {
                tallessa.UusiParasPelaaja[i] =
                    "P" + std::to_string(kierros) + "-" + std::to_string(i);
                tallessa.UusiParasTulos[i] = static_cast<std::int16_t>(kierros % 30000);
            }
            return true;
        };
        if (PaivitaParhaatTulokset(lista, vaiheista)) {
            std::printf("%ld\n", kierros);
            std::fflush(stdout);
        }
    }
}
