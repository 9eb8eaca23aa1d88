#include "rules/Asettelu.h"
#include "rules/Tekstit.h"

const Asettelu& frmVerkkopeliAsettelu() {
    using namespace tyyli;
    static const Asettelu asettelu{
        "frmVerkkopeli",
        teksti::VERKKOPELI_OTSIKKO,
        5400,
        5040,
        {
            {"lblNimi", Laji::Nimio, "&Nimesi:", {120, 165, 1200, 255}, "", AVAIN},
            {"txtNimi", Laji::Tekstikentta, "", {1440, 120, 3840, 315}},
            {"fraTapa", Laji::Kehys, "Pelitapa", {120, 600, 5160, 975}},
            {"optOdota",
             Laji::Valintanappi,
             "&Odota vastustajaa",
             {240, 285, 4680, 285},
             "fraTapa"},
            {"optLiity", Laji::Valintanappi, "&Liity peliin", {240, 600, 4680, 285}, "fraTapa"},
            {"lblOsoitteet", Laji::Nimio, "", {120, 1680, 5160, 480}, "", MONIRIVINEN},
            {"fraPelit", Laji::Kehys, "Löydetyt pelit", {120, 2220, 5160, 1740}},
            {"optPeli1", Laji::Valintanappi, "", {240, 285, 4680, 270}, "fraPelit"},
            {"optPeli2", Laji::Valintanappi, "", {240, 570, 4680, 270}, "fraPelit"},
            {"optPeli3", Laji::Valintanappi, "", {240, 855, 4680, 270}, "fraPelit"},
            {"optPeli4", Laji::Valintanappi, "", {240, 1140, 4680, 270}, "fraPelit"},
            {"optPeli5", Laji::Valintanappi, "", {240, 1425, 4680, 270}, "fraPelit"},
            {"lblOsoite",
             Laji::Nimio,
             "Osoite tai &koneen nimi:",
             {120, 4125, 2280, 255},
             "",
             AVAIN},
            {"txtOsoite", Laji::Tekstikentta, "", {2400, 4080, 2880, 315}},
            {"cmdAloita", Laji::Painike, "&Aloita", {2640, 4545, 1215, 375}, "", OLETUS},
            {"cmdPeruuta", Laji::Painike, teksti::PERUUTA, {4065, 4545, 1215, 375}, "", PERUUTUS},
        },
        {"txtNimi", "optOdota", "optLiity", "optPeli1", "optPeli2", "optPeli3", "optPeli4",
         "optPeli5", "txtOsoite", "cmdAloita", "cmdPeruuta"},
    };
    return asettelu;
}
