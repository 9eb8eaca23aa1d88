#include "rules/results/frmParhaatTuloksetMalli.h"

#include "rules/Tekstit.h"
#include "rules/results/ParhaidenLista.h"

frmParhaatTuloksetMalli::frmParhaatTuloksetMalli(Pelitila& tila, Palvelut& palvelut)
    : Valintaikkunamalli(palvelut, frmParhaatTuloksetAsettelu()), t(tila) {
    Form_Load();
    std::vector<Sidonta> sidonnat{
        sido::Painike("cmdPainike0", [this] { cmdPainike_Click(0); }),
        sido::Painike(
            "cmdPainike1", [this] { cmdPainike_Click(1); }, &TyhjennaKaytossa),
    };
    for (std::size_t i = 0; i < Nimi.size(); ++i) {
        const std::string rivi = std::to_string(i);
        sidonnat.push_back(sido::Nimio("lblSija" + rivi, Sija[i]));
        sidonnat.push_back(sido::Nimio("lblNimi" + rivi, Nimi[i]));
        sidonnat.push_back(sido::Nimio("lblTulos" + rivi, Tulos[i]));
    }
    Sido(std::move(sidonnat));
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
    p.AsetaOsoitin(Osoitin::Oletus);
    Kysy(teksti::TYHJENNA_OTSIKKO, teksti::TYHJENNA, [this](bool kylla) {
        if (!kylla) return;
        p.AsetaOsoitin(Osoitin::Tiimalasi);
        t.Tallennukset.Tallenna(p.Nyt(), ListanTallennus(t.Parhaat, TyhjennaLista));
        NaytaLista();
        p.AsetaOsoitin(Osoitin::Oletus);
    });
}
