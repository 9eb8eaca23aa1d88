#include "win32/Mallikuvat.h"

#include <map>
#include <utility>

#include "rules/pictures/Ruutukuvat.h"
#include "rules/pictures/Uppoamiskuva.h"

const piirros::Pikselikuva& Mallikuva(Kuva kuva, int koko) {
    // A handful of sizes at most: one per screen density the window has met.
    static std::map<std::pair<Kuva, int>, piirros::Pikselikuva> valmiit;
    const std::pair avain(kuva, koko);
    if (const auto paikka = valmiit.find(avain); paikka != valmiit.end()) return paikka->second;
    return valmiit.emplace(avain, piirros::Ruutukuva(kuva, koko)).first->second;
}

piirros::Pikselikuva Uppoamiskuva(Kuva kuva, double vedenpinta, int koko) {
    return piirros::Uppoamiskuva(Mallikuva(kuva, koko), Mallikuva(Kuva::Vesi, koko), vedenpinta);
}
