#include "rules/Asettelu.h"
#include "rules/Tekstit.h"

const Asettelu& frmKysyNimiAsettelu() {
    using namespace tyyli;
    static const Asettelu asettelu{
        "frmKysyNimi",
        "Onneksi olkoon!",
        5175,
        1680,
        {
            {"lblTeksti", Laji::Nimio, "", {120, 120, 3495, 975}, "", MONIRIVINEN},
            {"txtNimi", Laji::Tekstikentta, teksti::NIMETON, {120, 1200, 3495, 315}},
            {"cmdPainike0", Laji::Painike, teksti::OK, {3840, 120, 1215, 375}, "", OLETUS},
            {"cmdPainike1", Laji::Painike, teksti::PERUUTA, {3840, 600, 1215, 375}, "", PERUUTUS},
        },
        {"txtNimi", "cmdPainike0", "cmdPainike1"},
    };
    return asettelu;
}
