#pragma once

#include <string>

#include "rules/Valintaikkunamalli.h"

// A dialog as its model shows it, one line a control in the table's order,
// as the end-to-end run reads a Windows dialog: "kind: text", then
// [oletus], [valittu] and [pois] where they hold. Controls without text are
// left out.
inline std::string Dialogissa(const Valintaikkunamalli& malli) {
    std::string rivit;
    for (const Saadin& saadin : malli.Taulukko().saatimet) {
        const Nakyva nakyva = malli.Nayta(saadin.nimi);
        if (nakyva.teksti.empty()) continue;
        const char* laji = "teksti";
        if (saadin.laji == Laji::Painike) laji = "painike";
        if (saadin.laji == Laji::Kehys) laji = "kehys";
        if (saadin.laji == Laji::Linkki) laji = "linkki";
        if (saadin.laji == Laji::Valintaruutu) laji = "valintaruutu";
        if (saadin.laji == Laji::Valintanappi) laji = "valintanappi";
        if (saadin.laji == Laji::Tekstikentta) laji = "kenttä";
        rivit += std::string(rivit.empty() ? "" : "\n") + laji + ": " + nakyva.teksti;
        if (saadin.tyyli & tyyli::OLETUS) rivit += " [oletus]";
        if (nakyva.valittu) rivit += " [valittu]";
        if (!nakyva.kaytossa) rivit += " [pois]";
    }
    return rivit;
}
