#include "rules/access/Nappaimisto.h"

#include "rules/Ruudut.h"

int Siirretty(int ruutu, Ruutunappain nappain) {
    const int rivinAlku = (Rivi(ruutu) - 1) * 10 + 1;
    switch (nappain) {
        case Ruutunappain::Vasemmalle:
            return ruutu > rivinAlku ? ruutu - 1 : ruutu;
        case Ruutunappain::Oikealle:
            return ruutu < rivinAlku + 9 ? ruutu + 1 : ruutu;
        case Ruutunappain::Ylos:
            return ruutu > 10 ? ruutu - 10 : ruutu;
        case Ruutunappain::Alas:
            return ruutu <= RUUTUJA - 10 ? ruutu + 10 : ruutu;
        case Ruutunappain::RivinAlkuun:
            return rivinAlku;
        case Ruutunappain::RivinLoppuun:
            return rivinAlku + 9;
        case Ruutunappain::Valilyonti:
        case Ruutunappain::VaihtoValilyonti:
            break;
    }
    return ruutu;
}

int Painikkeena(Ruutunappain nappain) {
    if (nappain == Ruutunappain::Valilyonti) return 1;
    if (nappain == Ruutunappain::VaihtoValilyonti) return 2;
    return 0;
}

void AloitaKohdistus(Kohdistus& kohdistus) {
    kohdistus.ruutu = {1, 1};
    LuovutaNappaimisto(kohdistus, Puoli::Pelaaja);
}

void LuovutaNappaimisto(Kohdistus& kohdistus, Puoli ruudukko) {
    kohdistus.ruudukko = ruudukko;
    ++kohdistus.luovutuksia;
}
