#include "rules/Tekstinsovitus.h"

#include <algorithm>

#include "rules/Valintaikkunamalli.h"

namespace {

// What a line keeps free before its container's edge: two pixels at 96 dots
// per inch.
constexpr int REUNA = 30;
constexpr int KAPEIN = 50;

bool Yksirivinen(const Saadin& saadin) {
    switch (saadin.laji) {
        case Laji::Nimio:
            return (saadin.tyyli & tyyli::MONIRIVINEN) == 0;
        case Laji::Linkki:
        case Laji::Valintaruutu:
        case Laji::Valintanappi:
            return true;
        default:
            return false;
    }
}

int Sisaleveys(const Asettelu& asettelu, const Saadin& saadin) {
    return saadin.isanta.empty() ? asettelu.leveys : asettelu[saadin.isanta].alue.leveys;
}

// A right-aligned line keeps its right edge, so that a column stays one.
void Levenna(Alue& alue, int tarve, bool oikealle, int reunaan) {
    if (oikealle) {
        const int lisa = std::min(tarve - alue.leveys, alue.vasen);
        if (lisa <= 0) return;
        alue.vasen -= lisa;
        alue.leveys += lisa;
        return;
    }
    alue.leveys = std::max(alue.leveys, std::min(tarve, reunaan - alue.vasen - REUNA));
}

void Kasvata(Sovitus& sovitus, const Asettelu& asettelu, const Saadin& nimio, int lisa) {
    Alue& oma = sovitus.saatimet.at(nimio.nimi).alue;
    const int alareuna = oma.yla + oma.korkeus;
    for (const Saadin& muu : asettelu.saatimet) {
        Alue& paikka = sovitus.saatimet.at(muu.nimi).alue;
        if (muu.isanta == nimio.isanta && &paikka != &oma && paikka.yla >= alareuna)
            paikka.yla += lisa;
    }
    oma.korkeus += lisa;
    if (nimio.isanta.empty()) sovitus.korkeus += lisa;
}

}  // namespace

int Kavennus(const std::function<int(int venytys)>& tarve, int leveys) {
    int venytys = 100;
    while (venytys > KAPEIN && tarve(venytys) > leveys) venytys -= 2;
    return venytys;
}

Alue Sovitus::Ikkunassa(const Asettelu& asettelu, const std::string& saadin) const {
    Alue alue = (*this)[saadin].alue;
    if (const std::string& isanta = asettelu[saadin].isanta; !isanta.empty()) {
        alue.vasen += (*this)[isanta].alue.vasen;
        alue.yla += (*this)[isanta].alue.yla;
    }
    return alue;
}

Sovitus Sellaisenaan(const Asettelu& asettelu) {
    Sovitus sovitus{asettelu.leveys, asettelu.korkeus, {}};
    for (const Saadin& saadin : asettelu.saatimet) sovitus.saatimet[saadin.nimi] = {saadin.alue};
    return sovitus;
}

Sovitus Sovita(const Valintaikkunamalli& malli, const Mittari& mittari) {
    const Asettelu& asettelu = malli.Taulukko();
    Sovitus sovitus = Sellaisenaan(asettelu);
    for (const Saadin& saadin : asettelu.saatimet) {
        const std::string teksti = malli.Nayta(saadin.nimi).teksti;
        Sovitettu& oma = sovitus.saatimet.at(saadin.nimi);
        if (Yksirivinen(saadin)) {
            Levenna(oma.alue, mittari.Leveys(saadin, teksti, 100),
                    (saadin.tyyli & tyyli::OIKEALLE) != 0, Sisaleveys(asettelu, saadin));
        }
        if (Yksirivinen(saadin) || saadin.laji == Laji::Painike) {
            oma.venytys =
                Kavennus([&](int venytys) { return mittari.Leveys(saadin, teksti, venytys); },
                         oma.alue.leveys);
        }
        if (saadin.laji == Laji::Nimio && (saadin.tyyli & tyyli::MONIRIVINEN)) {
            const int lisa = mittari.Korkeus(saadin, teksti, oma.alue.leveys) - oma.alue.korkeus;
            if (lisa > 0) Kasvata(sovitus, asettelu, saadin, lisa);
        }
    }
    return sovitus;
}
