// A second copy of the game for the hive tests: it writes or reads through the
// store from a process of its own.
//   rekisteri_apuri kirjoita <value name prefix> <count> <text>
//       writes <prefix>0 .. <prefix><count - 1>; exits 0 when every write succeeded
//   rekisteri_apuri lue <value name>
//       prints what the store reads

#include <iostream>
#include <string>

#include "store/mdlMorvak2.h"

int main(int argc, char* argv[]) {
    const std::string komento = argc > 1 ? argv[1] : "";
    if (komento == "kirjoita" && argc == 5) {
        const int maara = std::stoi(argv[3]);
        bool kaikki = true;
        for (int i = 0; i < maara; ++i) {
            Tallennustulos tulos{Tallennustulos::Varattu};
            // A write the other process holds the hive for is made again.
            while (tulos.laji == Tallennustulos::Varattu)
                tulos = KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                            argv[2] + std::to_string(i), REG_SZ, argv[4]);
            kaikki &= static_cast<bool>(tulos);
        }
        return kaikki ? 0 : 1;
    }
    if (komento == "lue" && argc == 3) {
        std::cout << LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, argv[2]);
        return 0;
    }
    std::cerr << "käyttö: rekisteri_apuri kirjoita <nimi> <määrä> <teksti> | lue <nimi>\n";
    return 2;
}
