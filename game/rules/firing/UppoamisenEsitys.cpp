#include <algorithm>

#include "rules/Peli.h"
#include "rules/Tekstit.h"

namespace {

// About sixty frames a second.
constexpr std::chrono::milliseconds KUVAVALI{16};

}  // namespace

void Peli::UpotaLaiva(Puoli puoli, std::span<const int> ruudut) {
    if (!t.NaytetaanLaivojenUppoaminen) {
        for (const int ruutu : ruudut) UpotaRuutu(puoli, ruutu);
        return;
    }
    // The animation waits for a moment when no click can reach the grid: the
    // computer's turn, or the end of the game.
    t.Uppoava = UppoavaLaiva{puoli, {ruudut.begin(), ruudut.end()}};
}

void Peli::UppoamisenJalkeen(Jatko jatko) {
    if (t.Uppoava) {
        AloitaUppoaminen(jatko);
    } else {
        Jatka(jatko);
    }
}

void Peli::AloitaUppoaminen(Jatko jatko) {
    t.Uppoamassa = Uppoaminen{std::move(*t.Uppoava), n.Nyt(), jatko};
    t.Uppoava.reset();
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    Paivita();
    NaytaVedenpinta(t.Uppoamassa->laiva, 0.0);
    n.PyydaAjastin(std::min(KUVAVALI, UppoamisenKesto));
}

void Peli::JatkaUppoamista() {
    const std::chrono::milliseconds kulunut = n.Nyt() - t.Uppoamassa->alkoi;
    if (kulunut < UppoamisenKesto) {
        // A shortened sinking plays the whole curve in its own time.
        NaytaVedenpinta(t.Uppoamassa->laiva,
                        Vedenpinta(kulunut * UPPOAMISEN_KESTO.count() / UppoamisenKesto.count()));
        n.PyydaAjastin(std::min(KUVAVALI, UppoamisenKesto - kulunut));
        return;
    }
    const Uppoaminen uponnut = std::move(*t.Uppoamassa);
    t.Uppoamassa.reset();
    NaytaVedenpinta(uponnut.laiva, std::nullopt);
    for (const int ruutu : uponnut.laiva.ruudut) UpotaRuutu(uponnut.laiva.puoli, ruutu);
    Paivita();
    n.AsetaOsoitin(Osoitin::Oletus);
    Jatka(uponnut.jatko);
}

void Peli::NaytaVedenpinta(const UppoavaLaiva& laiva, std::optional<double> pinta) {
    for (const int ruutu : laiva.ruudut) n.NaytaVedenpinta(laiva.puoli, ruutu, pinta);
}

void Peli::Jatka(Jatko jatko) {
    switch (jatko) {
        case Jatko::KoneenVuoro:
            AloitaTauko();
            break;
        case Jatko::Voitto:
            Ilmoita(teksti::VOITTO_OTSIKKO, teksti::VOITTO, Kuvake::Tieto);
            break;
        case Jatko::KoneenOsuma:
            KoneenOsumaRatkaistu();
            break;
    }
}

void Peli::Ajastin() {
    if (t.Uppoamassa) {
        JatkaUppoamista();
    } else if (t.TauonLoppu) {
        JatkaTaukoa();
    }
}
