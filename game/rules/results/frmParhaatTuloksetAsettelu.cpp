#include <string>

#include "rules/Asettelu.h"
#include "rules/Tekstit.h"
#include "rules/results/ParhaidenLista.h"

namespace {

// lblSija(i), lblNimi(i) and lblTulos(i): one row per place, 240 twips apart.
void LisaaRivit(std::vector<Saadin>& saatimet) {
    using namespace tyyli;
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i);
        const int yla = 480 + 240 * i;
        saatimet.push_back({"lblSija" + n,
                            Laji::Nimio,
                            std::to_string(i + 1) + ".",
                            {360, yla, 255, 255},
                            "frParhaat",
                            OIKEALLE});
        saatimet.push_back(
            {"lblNimi" + n, Laji::Nimio, LISTAN_OLETUSNIMI, {840, yla, 1935, 255}, "frParhaat"});
        saatimet.push_back(
            {"lblTulos" + n, Laji::Nimio, "0", {2880, yla, 375, 255}, "frParhaat", OIKEALLE});
    }
}

Asettelu Luo() {
    using namespace tyyli;
    Asettelu asettelu{
        "frmParhaatTulokset",
        "Parhaat tulokset",
        5415,
        3375,
        {
            {"cmdPainike0",
             Laji::Painike,
             teksti::OK,
             {4080, 120, 1215, 375},
             "",
             OLETUS | PERUUTUS},
            {"cmdPainike1", Laji::Painike, "&Tyhjennä", {4080, 600, 1215, 375}},
            {"frParhaat",
             Laji::Kehys,
             "Eniten pelejä peräkkäin voittaneet",
             {120, 120, 3735, 3135}},
        },
        {"cmdPainike0", "cmdPainike1"},
    };
    LisaaRivit(asettelu.saatimet);
    return asettelu;
}

}  // namespace

const Asettelu& frmParhaatTuloksetAsettelu() {
    static const Asettelu asettelu = Luo();
    return asettelu;
}
