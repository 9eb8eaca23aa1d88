#include "rules/results/frmKysyNimiMalli.h"

#include "rules/Tekstit.h"
#include "rules/results/ParhaidenLista.h"

frmKysyNimiMalli::frmKysyNimiMalli(Pelitila& tila, Palvelut& palvelut)
    : Valintaikkunamalli(palvelut, frmKysyNimiAsettelu()), t(tila) {
    Form_Load();
    Sido({
        sido::Nimio("lblTeksti", Teksti),
        sido::Tekstikentta(
            "txtNimi", Nimi, [this](const std::string& nimi) { txtNimi_Change(nimi); },
            NIMEN_PITUUS),
        sido::Painike(
            "cmdPainike0", [this] { cmdPainike_Click(0); }, &OKKaytossa),
        sido::Painike("cmdPainike1", [this] { cmdPainike_Click(1); }),
    });
}

void frmKysyNimiMalli::Form_Load() {
    Nimi = t.ViimeksiListallePaassytPelaaja.empty() ? teksti::NIMETON
                                                    : t.ViimeksiListallePaassytPelaaja;
    Teksti = teksti::Onnittelu(t.PerakkaisetVoitot) + "\n\n\n" + teksti::KIRJOITA_NIMESI;
    OKKaytossa = !Nimi.empty();
}

// Spaces are a name too: nothing is trimmed.
void frmKysyNimiMalli::txtNimi_Change(const std::string& nimi) {
    Nimi = nimi;
    OKKaytossa = !Nimi.empty();
}

void frmKysyNimiMalli::cmdPainike_Click(int Index) {
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    if (Index == 0) {
        t.ViimeksiListallePaassytPelaaja = Nimi;
        t.Tallennukset.Tallenna(
            p.Nyt(), ListanTallennus(t.Parhaat, [nimi = Nimi, voitot = t.PerakkaisetVoitot](
                                                    ParhaatTulokset& lista) {
                return LisaaListalle(lista, nimi, voitot);
            }));
        t.PerakkaisetVoitot = 0;
        Unload();
        p.AsetaOsoitin(Osoitin::Oletus);
        return;
    }
    t.PerakkaisetVoitot = 0;
    Unload();
    p.AsetaOsoitin(Osoitin::Oletus);
}

void frmKysyNimiMalli::Sulje() { Unload(); }
