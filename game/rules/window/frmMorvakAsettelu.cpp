#include "rules/Asettelu.h"
#include "rules/Tekstinsovitus.h"
#include "rules/Tekstit.h"

const Asettelu& frmMorvakAsettelu() {
    using namespace tyyli;
    static const Asettelu asettelu{
        "frmMorvak",
        teksti::OHJELMAN_NIMI,
        7710,
        KORKEUS_PAINIKKEIN - IKKUNAN_KEHYKSET,
        {
            {"fraOhje", Laji::Kehys, "Toimintaohje", {120, 4080, 6015, 855}},
            {"lblOhje", Laji::Nimio, teksti::SIJOITUSOHJEET[0], {240, 360, 5535, 255}, "fraOhje"},
            {"cmdPainike(1)", Laji::Painike, "&Lopeta", {6360, 4560, 1215, 375}},
            {"cmdPainike(0)", Laji::Painike, "&Uusi peli", {6360, 4080, 1215, 375}, "", OLETUS},
            {"fraKehysviiva", Laji::Viiva, "", {-240, 0, 8775, 35}},
            {"imgLaivasto0", Laji::Kuva, "", {120, 3960, 3615, 240}},
            {"imgLaivasto1", Laji::Kuva, "", {3960, 3960, 3615, 240}},
        },
        {"imgLaivasto0", "imgLaivasto1", "cmdPainike(0)", "cmdPainike(1)"},
    };
    return asettelu;
}

std::string LaivastonKuva(Puoli puoli) {
    return puoli == Puoli::Pelaaja ? "imgLaivasto0" : "imgLaivasto1";
}

Sovitus frmMorvakSijoittelu(bool laivastot) {
    Sovitus sovitus = Sellaisenaan(frmMorvakAsettelu());
    if (!laivastot) return sovitus;
    for (const char* alalaita : {"fraOhje", "cmdPainike(0)", "cmdPainike(1)"})
        sovitus.saatimet.at(alalaita).alue.yla += LAIVASTOKAISTA;
    sovitus.korkeus += LAIVASTOKAISTA;
    return sovitus;
}
