#include "rules/results/frmParhaatTuloksetMalli.h"

#include "rules/Tekstit.h"
#include "rules/results/ParhaidenLista.h"

frmParhaatTuloksetMalli::frmParhaatTuloksetMalli(Pelitila& tila, Palvelut& palvelut)
    : Valintaikkunamalli(palvelut), t(tila) {
    Form_Load();
}

void frmParhaatTuloksetMalli::Form_Load() {
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    for (std::size_t i = 0; i < Sija.size(); ++i) Sija[i] = std::to_string(i + 1) + ".";
    NaytaLista();
}

void frmParhaatTuloksetMalli::NaytaLista() {
    for (std::size_t i = 0; i < Nimi.size(); ++i) {
        Nimi[i] = t.Parhaat.ParasPelaaja[i];
        Tulos[i] = std::to_string(t.Parhaat.ParasTulos[i]);
    }
    TyhjennaKaytossa = ListallaTuloksia(t.Parhaat);
}

void frmParhaatTuloksetMalli::cmdPainike_Click(int Index) {
    if (Index == 1) {
        Tyhjenna();
        return;
    }
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    Unload();
    p.AsetaOsoitin(Osoitin::Oletus);
}

void frmParhaatTuloksetMalli::Sulje() { Unload(); }

// The window stays open, showing the cleared list.
void frmParhaatTuloksetMalli::Tyhjenna() {
    if (!TyhjennaKaytossa) return;
    p.AsetaOsoitin(Osoitin::Oletus);
    if (!p.Kysy(teksti::TYHJENNA_OTSIKKO, teksti::TYHJENNA)) return;
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    TyhjennaLista(t.Parhaat);
    NaytaLista();
    p.AsetaOsoitin(Osoitin::Oletus);
}
