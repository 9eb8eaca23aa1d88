#include "rules/firing/Aloittaja.h"

#include "rules/settings/Aloitustavat.h"

Puoli ValitseAloittaja(const Pelitila& t, Satunnaisluvut& arpa) {
    const std::string& tapa = t.PelinAloitustapa;
    if (tapa == aloitustapa::VUOROALOITUS)
        return t.EdellinenAloittaja == Puoli::Pelaaja ? Puoli::Kone : Puoli::Pelaaja;
    if (tapa == aloitustapa::ARVOTAAN) return arpa.Arvo(2) == 0 ? Puoli::Pelaaja : Puoli::Kone;
    if (tapa == aloitustapa::VOITTAJA) return t.EdellinenVoittaja.value_or(Puoli::Pelaaja);
    return Puoli::Pelaaja;
}
