// Saves the best-results list over and over until it is killed: round k
// names place i "P<k>-<i>" and gives it the score k.

#include <cstdint>
#include <string>

#include "mdlMorvak2.h"

int main() {
    ParhaatTulokset lista;
    for (std::int16_t kierros = 0;; kierros = static_cast<std::int16_t>((kierros + 1) % 30000)) {
        for (std::size_t i = 0; i < 10; ++i) {
            lista.UusiParasPelaaja[i] = "P" + std::to_string(kierros) + "-" + std::to_string(i);
            lista.UusiParasTulos[i] = kierros;
        }
        TallennaParhaatTulokset(lista);
    }
}
