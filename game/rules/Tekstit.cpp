#include "rules/Tekstit.h"

namespace teksti {

std::string Voitettu(int perakkaisetVoitot) {
    if (perakkaisetVoitot == 1)
        return "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.";
    return "Olet voittanut " + std::to_string(perakkaisetVoitot) +
           " peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.";
}

std::string OsumanTulkintavirhe(int ruutu) {
    return "Ruutu " + std::to_string(ruutu) + ": Virhe osuman tulkinnassa!";
}

std::string Onnittelu(int perakkaisetVoitot) {
    if (perakkaisetVoitot == 1)
        return "Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.";
    return "Voitit " + std::to_string(perakkaisetVoitot) +
           " peliä peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.";
}

std::string Ruudunnimi(const char* ruudukko, int rivi, int sarake, const std::string& sisalto) {
    return std::string(ruudukko) + ", rivi " + std::to_string(rivi) + ", sarake " +
           std::to_string(sarake) + ": " + sisalto;
}

}  // namespace teksti
