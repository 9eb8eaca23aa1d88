#include <array>
#include <string>

#include "rules/Asettelu.h"
#include "rules/Tekstit.h"

namespace {

constexpr std::array<const char*, 6> RIVIT{
    "Pelatut pelit:",
    "Voitetut:",
    "Hävityt:",
    "Osumia laukauksistasi:",
    "Vähiten laukauksia voitossa:",
    "Tietokoneen keskiarvo voitoissaan:",
};

// lblOtsikko(i) and lblArvo(i): one figure per row, 255 twips apart.
void LisaaRivit(std::vector<Saadin>& saatimet) {
    for (std::size_t i = 0; i < RIVIT.size(); ++i) {
        const std::string n = std::to_string(i);
        const int yla = 360 + 255 * static_cast<int>(i);
        saatimet.push_back(
            {"lblOtsikko" + n, Laji::Nimio, RIVIT[i], {240, yla, 3015, 255}, "frTietokone"});
        saatimet.push_back({"lblArvo" + n,
                            Laji::Nimio,
                            teksti::EI_LUKUA,
                            {3255, yla, 1095, 255},
                            "frTietokone",
                            tyyli::OIKEALLE});
    }
}

Asettelu Luo() {
    using namespace tyyli;
    Asettelu asettelu{
        "frmTilastot",
        "Tilastot",
        6150,
        5685,
        {
            {"cmdPainike0",
             Laji::Painike,
             teksti::OK,
             {4815, 120, 1215, 375},
             "",
             OLETUS | PERUUTUS},
            {"cmdPainike1", Laji::Painike, "&Tyhjennä", {4815, 600, 1215, 375}},
            {"frTietokone", Laji::Kehys, "Tietokonetta vastaan", {120, 120, 4575, 4215}},
            {"lblJakauma",
             Laji::Nimio,
             "Voittojesi laukaukset, 20–100:",
             {240, 1920, 4095, 255},
             "frTietokone"},
            {"imgJakauma", Laji::Kuva, "", {240, 2175, 4095, 900}, "frTietokone"},
            {"lblViimeiset",
             Laji::Nimio,
             "Viimeiset 50 peliä, vanhin ensin:",
             {240, 3195, 4095, 255},
             "frTietokone"},
            {"imgViimeiset", Laji::Kuva, "", {240, 3450, 4095, 255}, "frTietokone"},
            {"lblSelite",
             Laji::Nimio,
             "Vihreä voitto, punainen tappio, harmaa kesken.",
             {240, 3765, 4095, 255},
             "frTietokone"},
            {"chkPida", Laji::Valintaruutu, "&Pidä kirjaa peleistä", {120, 4455, 4575, 255}},
            {"frVerkko", Laji::Kehys, "Verkkopelit", {120, 4830, 4575, 735}},
            {"lblVerkko",
             Laji::Nimio,
             teksti::EI_VERKKOPELEJA,
             {240, 300, 4095, 255},
             "frVerkko",
             MONIRIVINEN},
        },
        {"cmdPainike0", "cmdPainike1", "chkPida", "imgJakauma", "imgViimeiset"},
    };
    LisaaRivit(asettelu.saatimet);
    return asettelu;
}

}  // namespace

const Asettelu& frmTilastotAsettelu() {
    static const Asettelu asettelu = Luo();
    return asettelu;
}
