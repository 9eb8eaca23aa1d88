#include "rules/Asettelu.h"
#include "rules/Tekstit.h"
#include "rules/about/Linkit.h"

const Asettelu& frmTietojaAsettelu() {
    using namespace tyyli;
    static const Asettelu asettelu{
        "frmTietoja",
        "Tietoja ohjelmasta",
        5205,
        2925,
        {
            {"cmdOK", Laji::Painike, teksti::OK, {3840, 2400, 1215, 375}, "", OLETUS | PERUUTUS},
            {"picKuvake", Laji::Kuvake, "", {360, 360, 555, 495}},
            {"lblOhjelmanNimi",
             Laji::Nimio,
             teksti::OHJELMAN_NIMI,
             {1200, 360, 855, 255},
             "",
             LIHAVA},
            {"fraKehysviiva", Laji::Viiva, "", {1080, 1080, 3975, 35}},
            {"lblTekija", Laji::Nimio, teksti::TEKIJA, {1200, 1320, 3735, 255}},
            {"lblWWW", Laji::Linkki, KOTISIVU, {1200, 1560, 2895, 255}},
            {"lblEmail", Laji::Linkki, PALAUTEOSOITE, {1200, 1800, 2055, 255}},
        },
        {"cmdOK"},
    };
    return asettelu;
}
