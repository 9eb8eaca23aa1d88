#include "rules/settings/frmAsetuksetMalli.h"

#include <string>

#include "store/Asetusarvot.h"

frmAsetuksetMalli::frmAsetuksetMalli(Pelitila& tila, Palvelut& palvelut)
    : Valintaikkunamalli(palvelut, frmAsetuksetAsettelu()), t(tila) {
    Form_Load();
    std::vector<Sidonta> sidonnat{
        sido::Painike("cmdPainike0", [this] { cmdPainike_Click(0); }),
        sido::Painike("cmdPainike1", [this] { cmdPainike_Click(1); }),
        sido::Kaytossa("fraLaivojenSijainti", SijaintiKaytossa),
    };
    for (std::size_t i = 0; i < ALOITUSTAVAT.size(); ++i)
        sidonnat.push_back(
            sido::Valintanappi("optAloitustapa" + std::to_string(i), Aloitustapa, i));
    for (std::size_t i = 0; i < Sijainti.size(); ++i) {
        sidonnat.push_back(
            sido::Valintaruutu("chkSijainti" + std::to_string(i), Sijainti[i], &SijaintiKaytossa));
    }
    for (std::size_t i = 0; i < 2; ++i)
        sidonnat.push_back(sido::Valintanappi("optUppoaminen" + std::to_string(i), Uppoaminen, i));
    Sido(std::move(sidonnat));
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
        t.Tallennukset.Tallenna(
            p.Nyt(),
            [aloitustapa = t.PelinAloitustapa, kulmat = t.LaivojenKulmatSaavatKoskettaa,
             reuna = t.LaivaSaaSijaitaReunassa, uppoaminen = t.NaytetaanLaivojenUppoaminen] {
                return TallennaAsetukset(aloitustapa, kulmat, reuna, uppoaminen);
            });
    }
    Unload();
    p.AsetaOsoitin(Osoitin::Oletus);
}

void frmAsetuksetMalli::Sulje() { Unload(); }
