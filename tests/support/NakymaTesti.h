#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "rules/Nakyma.h"

// A program folder as each system writes one, with forward slashes as the
// rules join paths.
#ifdef _WIN32
inline constexpr const char* OHJELMAN_KANSIO = "C:/Pelit/Morvak";
#else
inline constexpr const char* OHJELMAN_KANSIO = "/opt/morvak/bin";
#endif

// A display that remembers what the rules asked of it, so rules tests can
// check pictures, pointers, message boxes and dialogs without a window.
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
        Tilanne tilanne;  // what the window showed while the box was up
    };
    struct Uppoaminen {
        Puoli puoli;
        std::vector<int> ruudut;
        Tilanne tilanne;  // what the window showed while the ship sank
        Osoitin osoitin;
    };
    struct Avaus {
        Kuorikohde kohde;
        Nayttokomento naytto;
        Osoitin osoitin;  // the pointer while the target was handed over
    };

    std::array<Ruutu, 101> pelaaja{};
    std::array<Ruutu, 101> kone{};
    Osoitin osoitin = Osoitin::Oletus;
    bool ikkunaKaytossa = true;
    std::vector<Viesti> viestit;  // boxes shown with Ilmoita, in order
    std::vector<Viesti> kysymykset;
    std::deque<bool> vastaukset;     // answers to Kysy; No when empty
    std::vector<Tilanne> tilanteet;  // every state the window was asked to show
    std::vector<int> korkeudet;      // every height the window was given
    std::vector<Avaus> avaukset;
    std::string ohjelmanKansio = OHJELMAN_KANSIO;
    int kysyNimiKertoja = 0;
    std::function<void(frmKysyNimiMalli&)> kysyNimi;  // what the player does in it
    std::function<void(frmAsetuksetMalli&)> asetukset;
    std::function<void(frmParhaatTuloksetMalli&)> parhaatTulokset;
    std::function<void(frmTietojaMalli&)> tietoja;
    int taukoja = 0;
    bool taukoJatkuu = true;
    std::function<void()> tauonAikana;        // events that run during the pause
    std::function<void()> laatikonAikana;     // events that run while a box is up
    std::function<void()> tapahtumienAikana;  // events let run by KasitteleTapahtumat
    std::vector<Uppoaminen> uppoamiset;
    bool uppoaminenJatkuu = true;
    std::function<void()> uppoamisenAikana;  // events that run while a ship sinks
    int tapahtumakasittelyt = 0;
    int lopetuksia = 0;
    int muutoksia = 0;  // events after which the state was to be shown
    bool painikkeetKaytossa = true;

    Ruutu& ruutu(Puoli p, int n) { return p == Puoli::Pelaaja ? pelaaja[n] : kone[n]; }
    // What the window shows now besides the grids.
    Tilanne Naytetty() const { return Nykyinen(); }

    void NaytaKuva(Puoli p, int n, Kuva k) override {
        ruutu(p, n).kuva = k;
        ++ruutu(p, n).piirretty;
    }
    void AsetaSormiosoitin(Puoli p, int n, bool s) override { ruutu(p, n).sormi = s; }
    void AsetaRuutuKaytossa(Puoli p, int n, bool k) override { ruutu(p, n).kaytossa = k; }
    void AsetaOsoitin(Osoitin o) override { osoitin = o; }
    void AsetaIkkunaKaytossa(bool k) override { ikkunaKaytossa = k; }
    void NaytaTilanne(const Tilanne& t) override { tilanteet.push_back(t); }
    void TilanneMuuttui() override { ++muutoksia; }
    void AsetaPainikkeetKaytossa(bool k) override { painikkeetKaytossa = k; }
    void AsetaKorkeus(int twipit) override { korkeudet.push_back(twipit); }
    void Ilmoita(const std::string& o, const std::string& t, Kuvake k) override {
        viestit.push_back({o, t, k, Nykyinen()});
        if (laatikonAikana) laatikonAikana();
    }
    bool Kysy(const std::string& o, const std::string& t) override {
        kysymykset.push_back({o, t, Kuvake::Kysymys, Nykyinen()});
        if (laatikonAikana) laatikonAikana();
        if (vastaukset.empty()) return false;
        const bool v = vastaukset.front();
        vastaukset.pop_front();
        return v;
    }
    void KasitteleTapahtumat() override {
        ++tapahtumakasittelyt;
        if (tapahtumienAikana) tapahtumienAikana();
    }
    void AvaaKuorella(const Kuorikohde& k, Nayttokomento n) override {
        avaukset.push_back({k, n, osoitin});
    }
    std::string OhjelmanKansio() const override { return ohjelmanKansio; }
    void NaytaAsetukset(frmAsetuksetMalli& m) override {
        if (asetukset) asetukset(m);
    }
    void NaytaParhaatTulokset(frmParhaatTuloksetMalli& m) override {
        if (parhaatTulokset) parhaatTulokset(m);
    }
    void NaytaKysyNimi(frmKysyNimiMalli& m) override {
        ++kysyNimiKertoja;
        if (kysyNimi) kysyNimi(m);
    }
    void NaytaTietoja(frmTietojaMalli& m) override {
        if (tietoja) tietoja(m);
    }
    bool Tauko() override {
        ++taukoja;
        if (tauonAikana) tauonAikana();
        return taukoJatkuu;
    }
    bool NaytaUppoaminen(Puoli p, const std::vector<int>& r) override {
        uppoamiset.push_back({p, r, Nykyinen(), osoitin});
        if (uppoamisenAikana) uppoamisenAikana();
        return uppoaminenJatkuu;
    }
    void Lopeta() override { ++lopetuksia; }

  private:
    Tilanne Nykyinen() const { return tilanteet.empty() ? Tilanne{} : tilanteet.back(); }
};
