#include "ParhaidenLista.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "mdlMorvak2.h"

namespace {

constexpr int PAIKKOJA = 10;

// A streak longer than a place can hold is kept at the largest score the
// store reads back.
std::int16_t Tulokseksi(int voitot) {
    return static_cast<std::int16_t>(
        std::min<int>(voitot, std::numeric_limits<std::int16_t>::max()));
}

void OtaValmisteltuKayttoon(ParhaatTulokset& lista) {
    for (std::size_t i = 0; i < PAIKKOJA; ++i) {
        lista.ParasPelaaja[i] = lista.UusiParasPelaaja[i];
        lista.ParasTulos[i] = lista.UusiParasTulos[i];
        lista.ParasTulosTeksti[i] = std::to_string(lista.UusiParasTulos[i]);
    }
}

// Takes the stored list live only when it could be read whole, so a list
// kept in memory for the run is not swapped for defaults.
void LueKokonaan(ParhaatTulokset& lista) {
    ParhaatTulokset luettu;
    LataaParhaatTulokset(luettu);
    if (luettu.LuettuKokonaan) lista = luettu;
}

}  // namespace

bool AnsaitseePaikan(int voitot, int tulos) { return voitot > 0 && voitot > tulos; }

std::optional<int> SijaListalla(const ParhaatTulokset& lista, int voitot) {
    for (int i = 0; i < PAIKKOJA; ++i) {
        if (AnsaitseePaikan(voitot, lista.ParasTulos[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return std::nullopt;
}

void ValmisteleLisays(ParhaatTulokset& lista, int sija, const std::string& nimi, int voitot) {
    for (int j = 0; j < PAIKKOJA; ++j) {
        const auto uusi = static_cast<std::size_t>(j);
        if (j == sija) {
            lista.UusiParasPelaaja[uusi] = nimi;
            lista.UusiParasTulos[uusi] = Tulokseksi(voitot);
        } else {
            const auto vanha = static_cast<std::size_t>(j < sija ? j : j - 1);
            lista.UusiParasPelaaja[uusi] = lista.ParasPelaaja[vanha];
            lista.UusiParasTulos[uusi] = lista.ParasTulos[vanha];
        }
    }
}

void LisaaListalle(ParhaatTulokset& lista, const std::string& nimi, int voitot) {
    if (!lista.LuettuKokonaan) LueKokonaan(lista);
    const std::optional<int> sija = SijaListalla(lista, voitot);
    if (!sija) {
        return;
    }
    ValmisteleLisays(lista, *sija, nimi, voitot);
    if (lista.LuettuKokonaan && TallennaParhaatTulokset(lista)) {
        LataaParhaatTulokset(lista);
    } else {
        OtaValmisteltuKayttoon(lista);
    }
}

bool ListallaTuloksia(const ParhaatTulokset& lista) {
    for (std::size_t i = 0; i < PAIKKOJA; ++i) {
        if (lista.ParasPelaaja[i] != LISTAN_OLETUSNIMI || lista.ParasTulos[i] != 0) {
            return true;
        }
    }
    return false;
}

void TyhjennaLista(ParhaatTulokset& lista) {
    for (std::size_t i = 0; i < PAIKKOJA; ++i) {
        const std::string numero = std::to_string(i);
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasPelaaja" + numero, REG_SZ,
                            LISTAN_OLETUSNIMI);
        KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasTulos" + numero, REG_SZ, "0");
        lista.ParasPelaaja[i] = LISTAN_OLETUSNIMI;
        lista.ParasTulos[i] = 0;
        lista.ParasTulosTeksti[i] = "0";
    }
}
