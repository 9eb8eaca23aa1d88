#include "rules/settings/frmAsetuksetMalli.h"

#include "store/Asetusarvot.h"

frmAsetuksetMalli::frmAsetuksetMalli(Pelitila& tila, Palvelut& palvelut)
    : Valintaikkunamalli(palvelut), t(tila) {
    Form_Load();
}

void frmAsetuksetMalli::Form_Load() {
    // An unknown mode, the empty one of a fresh run included, keeps the first.
    for (std::size_t i = 0; i < ALOITUSTAVAT.size(); ++i) {
        if (t.PelinAloitustapa == ALOITUSTAVAT[i]) Aloitustapa = i;
    }
    Sijainti = {t.LaivojenKulmatSaavatKoskettaa, t.LaivaSaaSijaitaReunassa};
    Uppoaminen = t.NaytetaanLaivojenUppoaminen ? 0 : 1;
    // The placement rules may change only between games and outside a streak,
    // so that no game and no streak is played under two sets of rules.
    SijaintiKaytossa = !t.PeliKaynnissa && t.PerakkaisetVoitot <= 0;
}

void frmAsetuksetMalli::cmdPainike_Click(int Index) {
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    if (Index == 0) {
        t.PelinAloitustapa = ALOITUSTAVAT[Aloitustapa];
        // Locked rules keep what they were, whatever the boxes were made to say.
        if (SijaintiKaytossa) {
            t.LaivojenKulmatSaavatKoskettaa = Sijainti[0];
            t.LaivaSaaSijaitaReunassa = Sijainti[1];
        }
        t.NaytetaanLaivojenUppoaminen = Uppoaminen == 0;
        TallennaAsetukset(t.PelinAloitustapa, t.LaivojenKulmatSaavatKoskettaa,
                          t.LaivaSaaSijaitaReunassa, t.NaytetaanLaivojenUppoaminen);
    }
    Unload();
    p.AsetaOsoitin(Osoitin::Oletus);
}

void frmAsetuksetMalli::Sulje() { Unload(); }
