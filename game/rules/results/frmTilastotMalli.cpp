#include "rules/results/frmTilastotMalli.h"

#include "rules/Tekstit.h"
#include "rules/pictures/Tilastokuvat.h"
#include "rules/results/Tilastomuoto.h"
#include "store/Asetusarvot.h"

frmTilastotMalli::frmTilastotMalli(Pelitila& tila, Palvelut& palvelut)
    : Valintaikkunamalli(palvelut, frmTilastotAsettelu()), t(tila) {
    TaytaLuvut();
    std::vector<Sidonta> sidonnat{
        sido::Painike("cmdPainike0", [this] { Unload(); }),
        sido::Painike(
            "cmdPainike1", [this] { Tyhjenna(); }, &TyhjennaKaytossa),
        {.saadin = "chkPida",
         .valittu = [this] { return t.PidaTilastoa; },
         .valinta = [this](bool pida) { PidaMuuttui(pida); }},
        sido::Nimio("lblVerkko", Verkko),
        sido::Kuva("imgJakauma", Jakauma,
                   [this](int leveys, int korkeus) {
                       return piirros::Jakaumakuva(t.Tilasto.jakauma, leveys, korkeus);
                   }),
        sido::Kuva("imgViimeiset", Viimeiset,
                   [this](int leveys, int korkeus) {
                       return piirros::Viimeisetkuva(t.Tilasto.viimeiset, leveys, korkeus);
                   }),
    };
    for (std::size_t i = 0; i < Arvo.size(); ++i)
        sidonnat.push_back(sido::Nimio("lblArvo" + std::to_string(i), Arvo[i]));
    Sido(std::move(sidonnat));
}

void frmTilastotMalli::TaytaLuvut() {
    const Tilastot& s = t.Tilasto;
    Arvo = {std::to_string(s.pelatut),
            std::to_string(s.voitot),
            std::to_string(s.tappiot),
            teksti::Prosenttia(s.osumat, s.laukaukset),
            s.vahimmat > 0 ? std::to_string(s.vahimmat) : teksti::EI_LUKUA,
            teksti::Keskiarvo(s.koneenLaukaukset, s.tappiot)};
    Jakauma = teksti::Jakauma(s.jakauma);
    Viimeiset = teksti::Viimeiset(s.viimeiset);
    Verkko.clear();
    for (const Ystavatilasto& ystava : t.Verkkotilasto) {
        if (!Verkko.empty()) Verkko += "\n";
        Verkko += teksti::Ystavanpelit(ystava.nimi, ystava.pelatut, ystava.voitot);
    }
    if (Verkko.empty()) Verkko = teksti::EI_VERKKOPELEJA;
    TyhjennaKaytossa = s.pelatut > 0 || !t.Verkkotilasto.empty();
}

void frmTilastotMalli::PidaMuuttui(bool pida) {
    t.PidaTilastoa = pida;
    t.Tallennukset.Tallenna(p.Nyt(),
                            [pida] { return Tallenna(PIDA_TILASTOA, Totuusarvona(pida)); });
}

// Both kinds go at once, and the window stays open showing them cleared.
void frmTilastotMalli::Tyhjenna() {
    Kysy(teksti::TYHJENNA_OTSIKKO, teksti::TYHJENNA_TILASTOT, [this](bool kylla) {
        if (!kylla) return;
        t.Tilasto = {};
        t.Verkkotilasto.clear();
        t.Tallennukset.Tallenna(p.Nyt(), [] {
            return TallennaYhdessa(
                {{TILASTOT, Tilastoteksti({})}, {VERKKOTILASTOT, Verkkoteksti({})}});
        });
        TaytaLuvut();
    });
}
