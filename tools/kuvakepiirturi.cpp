// Draws the program's icon at one size for the desktop's icon theme, from the
// same template pictures the grid squares show, so the icon follows the game.
//
//     kuvakepiirturi <size> <file.png>

#include <QString>
#include <array>
#include <cstdio>

#include "qt/Pikselikuvat.h"
#include "rules/pictures/Ruutukuvat.h"

namespace {

struct Laatta {
    Kuva kuva;
    int sarake;
    int rivi;
};

// The latest hit, open water, a miss and a ship: the whole game at a glance.
constexpr std::array<Laatta, 4> NELJA_LAATTAA{
    {{Kuva::OsumaViimeksi, 0, 0}, {Kuva::Vesi, 1, 0}, {Kuva::Ohi, 0, 1}, {Kuva::Laiva, 1, 1}}};
constexpr std::array<Laatta, 1> YKSI_LAATTA{{{Kuva::OsumaViimeksi, 0, 0}}};

// Below this a tile of a four-tile icon has too few pixels for its mark to read.
constexpr int NELJAN_LAATAN_ALARAJA = 32;

template <std::size_t N>
piirros::Pikselikuva Piirra(int koko, const std::array<Laatta, N>& laatat, int laattojaRivilla) {
    piirros::Pikselikuva kuvake(koko, koko);
    const int sivu = koko / laattojaRivilla;
    for (const Laatta& laatta : laatat) {
        const piirros::Pikselikuva kuva = piirros::Ruutukuva(laatta.kuva, sivu);
        for (int y = 0; y < sivu; ++y) {
            for (int x = 0; x < sivu; ++x)
                kuvake(laatta.sarake * sivu + x, laatta.rivi * sivu + y) = kuva(x, y);
        }
    }
    return kuvake;
}

piirros::Pikselikuva Ohjelmakuvake(int koko) {
    if (koko < NELJAN_LAATAN_ALARAJA) return Piirra(koko, YKSI_LAATTA, 1);
    return Piirra(koko, NELJA_LAATTAA, 2);
}

}  // namespace

int main(int argc, char* argv[]) {
    bool luku = false;
    const int koko = argc == 3 ? QString(argv[1]).toInt(&luku) : 0;
    if (!luku || koko < 16 || koko % 2 != 0) {
        std::fprintf(stderr, "kuvakepiirturi <even size from 16> <file.png>\n");
        return 2;
    }
    if (!Kuvana(Ohjelmakuvake(koko)).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "kuvakepiirturi: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
