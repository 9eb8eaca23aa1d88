#include "rules/pictures/Sormikursori.h"

namespace piirros {

namespace {

Pikseli Merkista(char merkki) {
    if (merkki == '#') return Peittava(0x000000);
    if (merkki == 'o') return Peittava(0xFFFFFF);
    return LAPINAKYVA;
}

}  // namespace

Kursorikuva Sormikursori() {
    Kursorikuva kursori{Pikselikuva(KURSORIN_SIVU, KURSORIN_SIVU), KURSORIN_KARKI_X,
                        KURSORIN_KARKI_Y};
    for (int y = 0; y < static_cast<int>(SORMIKURSORI.size()); ++y) {
        const std::string_view rivi = SORMIKURSORI[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(rivi.size()); ++x)
            kursori.kuva(x, y) = Merkista(rivi[static_cast<std::size_t>(x)]);
    }
    return kursori;
}

}  // namespace piirros
