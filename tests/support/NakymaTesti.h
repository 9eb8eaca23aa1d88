#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Nakyma.h"

// A display that remembers what the rules asked of it, so rules tests can
// check pictures, pointers and message boxes without a window.
class NakymaTesti : public Nakyma {
  public:
    struct Ruutu {
        Kuva kuva = Kuva::Vesi;
        bool sormi = false;
        bool kaytossa = true;
        int piirretty = 0;  // how many times a picture was set
    };
    struct Viesti {
        std::string otsikko;
        std::string teksti;
        Kuvake kuvake;
    };

    std::array<Ruutu, 101> pelaaja{};
    std::array<Ruutu, 101> kone{};
    Osoitin osoitin = Osoitin::Oletus;
    bool ikkunaKaytossa = true;
    bool epakelvotNakyvissa = true;
    std::vector<Viesti> viestit;  // boxes shown with Ilmoita, in order
    std::vector<Viesti> kysymykset;
    std::deque<bool> vastaukset;  // answers to Kysy; No when empty
    int kysyNimiKertoja = 0;
    std::function<void()> kysyNimi;  // what the name dialog does, if anything
    int taukoja = 0;
    bool taukoJatkuu = true;
    std::function<void()> tauonAikana;  // events that run during the pause
    int tapahtumakasittelyt = 0;

    Ruutu& ruutu(Puoli p, int n) { return p == Puoli::Pelaaja ? pelaaja[n] : kone[n]; }

    void NaytaKuva(Puoli p, int n, Kuva k) override {
        ruutu(p, n).kuva = k;
        ++ruutu(p, n).piirretty;
    }
    void AsetaSormiosoitin(Puoli p, int n, bool s) override { ruutu(p, n).sormi = s; }
    void AsetaRuutuKaytossa(Puoli p, int n, bool k) override { ruutu(p, n).kaytossa = k; }
    void AsetaOsoitin(Osoitin o) override { osoitin = o; }
    void AsetaIkkunaKaytossa(bool k) override { ikkunaKaytossa = k; }
    bool EpakelvotRuudutNakyvissa() const override { return epakelvotNakyvissa; }
    void Ilmoita(const std::string& o, const std::string& t, Kuvake k) override {
        viestit.push_back({o, t, k});
    }
    bool Kysy(const std::string& o, const std::string& t) override {
        kysymykset.push_back({o, t, Kuvake::Kysymys});
        if (vastaukset.empty()) return false;
        const bool v = vastaukset.front();
        vastaukset.pop_front();
        return v;
    }
    void NaytaKysyNimi() override {
        ++kysyNimiKertoja;
        if (kysyNimi) kysyNimi();
    }
    void KasitteleTapahtumat() override { ++tapahtumakasittelyt; }
    bool Tauko() override {
        ++taukoja;
        if (tauonAikana) tauonAikana();
        return taukoJatkuu;
    }
};
