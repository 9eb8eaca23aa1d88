#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/Nakyma.h"
#include "rules/about/frmTietojaMalli.h"
#include "rules/network/frmVerkkopeliMalli.h"
#include "rules/results/frmKysyNimiMalli.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "rules/settings/frmAsetuksetMalli.h"

// A program folder as each system writes one, with forward slashes as the
// rules join paths.
#ifdef _WIN32
inline constexpr const char* OHJELMAN_KANSIO = "C:/Pelit/Morvak";
#else
inline constexpr const char* OHJELMAN_KANSIO = "/opt/morvak/bin";
#endif

// A display that remembers what the rules asked of it, so rules tests can
// check pictures, pointers, message boxes and dialogs without a window. Its
// clock stands still until a test moves it.
class NakymaTesti : public Nakyma {
  public:
    // What the window shows besides the grids, as the handings built it up.
    struct Naytto {
        std::string otsikko;
        std::string ohje;
        std::map<Komento, bool> kaytossa;
        std::map<Komento, bool> valittu;
        bool laivastot = false;
        std::array<std::string, 2> katsaus;
        // A command never handed throws: the face would show nothing of it.
        bool Kaytossa(Komento komento) const { return kaytossa.at(komento); }
        bool Valittu(Komento komento) const { return valittu.at(komento); }
    };
    struct Ruutu {
        Kuva kuva = Kuva::Vesi;
        bool sormi = false;
        bool kaytossa = true;
        int piirretty = 0;  // how many times its picture changed
        std::optional<double> vedenpinta;
    };
    struct Viesti {
        std::string otsikko;
        std::string teksti;
        Kuvake kuvake;
        Naytto tilanne;  // what the window showed while the box was up
    };
    // A ship whose squares played the sinking, from their first frame to
    // their last.
    struct Uppoaminen {
        Puoli puoli;
        std::vector<int> ruudut;
        bool paattyi = false;
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
    std::deque<bool> vastaukset;  // answers to Kysy; No when empty
    Naytto naytto;
    int naytettyja = 0;                    // handings of the state
    std::vector<Komentotila> komennot;     // every command handed, in order
    std::vector<std::string> kuulutukset;  // what assistive technology was told, in order
    std::vector<int> korkeudet;            // every height the window was given
    std::vector<Avaus> avaukset;
    std::string ohjelmanKansio = OHJELMAN_KANSIO;
    int kysyNimiKertoja = 0;
    std::function<void(frmKysyNimiMalli&)> kysyNimi;  // what the player does in it
    std::function<void(frmAsetuksetMalli&)> asetukset;
    std::function<void(frmParhaatTuloksetMalli&)> parhaatTulokset;
    std::function<void(frmTietojaMalli&)> tietoja;
    std::function<void(frmVerkkopeliMalli&)> verkkopeli;
    std::function<void()> laatikonAikana;  // events that arrive while a box is up
    // How the player's answer reaches the rules, as a face hands it over:
    // before the request has returned. Unset, every box stays open.
    std::function<void(bool)> vastaa;
    int avoinna = 0;  // boxes and dialogs shown and not yet answered
    // Set: a dialog stays open after its player has acted, until
    // SuljeDialogi, so that events can reach the rules meanwhile.
    bool dialogiJaaAuki = false;
    Valintaikkunamalli* avoinDialogi = nullptr;
    std::vector<Uppoaminen> uppoamiset;
    std::vector<Aani> aanet;  // sounds asked for, in order
    std::chrono::milliseconds nyt{0};
    std::optional<std::chrono::milliseconds> ajastin;  // when the timer runs out
    int lopetuksia = 0;

    Ruutu& ruutu(Puoli p, int n) { return p == Puoli::Pelaaja ? pelaaja[n] : kone[n]; }
    // What the window shows now besides the grids.
    const Naytto& Naytetty() const { return naytto; }

    void NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) override {
        for (const auto& [p, n, uusi] : muutokset) {
            if (uusi.kuva != ruutu(p, n).kuva) NaytaKuva(p, n, uusi.kuva);
            ruutu(p, n).sormi = uusi.sormi;
            ruutu(p, n).kaytossa = uusi.kaytossa;
            if (uusi.vedenpinta != ruutu(p, n).vedenpinta) NaytaVedenpinta(p, n, uusi.vedenpinta);
        }
    }
    // A square's new picture, and the water of a sinking square rising or
    // gone, one square at a time in the order the face was handed them.
    virtual void NaytaKuva(Puoli p, int n, Kuva k) {
        ruutu(p, n).kuva = k;
        ++ruutu(p, n).piirretty;
    }
    void AsetaOsoitin(Osoitin o) override { osoitin = o; }
    void AsetaIkkunaKaytossa(bool k) override { ikkunaKaytossa = k; }
    void NaytaTilanne(const Tilannemuutos& m) override {
        ++naytettyja;
        if (m.kuulutus) kuulutukset.push_back(*m.kuulutus);
        if (m.otsikko) naytto.otsikko = *m.otsikko;
        if (m.ohje) naytto.ohje = *m.ohje;
        if (m.laivastot) naytto.laivastot = *m.laivastot;
        for (std::size_t i = 0; i < 2; ++i) {
            if (m.katsaus[i]) naytto.katsaus[i] = *m.katsaus[i];
        }
        for (const Komentotila& k : m.komennot) {
            naytto.kaytossa[k.komento] = k.kaytossa;
            if (k.valittu) naytto.valittu[k.komento] = *k.valittu;
            komennot.push_back(k);
        }
    }
    void AsetaKorkeus(int twipit) override { korkeudet.push_back(twipit); }
    void Ilmoita(const std::string& o, const std::string& t, Kuvake k) override {
        viestit.push_back({o, t, k, naytto});
        if (laatikonAikana) laatikonAikana();
        Vastaa(true);
    }
    void Kysy(const std::string& o, const std::string& t) override {
        kysymykset.push_back({o, t, Kuvake::Kysymys, naytto});
        if (laatikonAikana) laatikonAikana();
        bool v = false;
        if (!vastaukset.empty()) {
            v = vastaukset.front();
            vastaukset.pop_front();
        }
        Vastaa(v);
    }
    void AvaaKuorella(const Kuorikohde& k, Nayttokomento n) override {
        avaukset.push_back({k, n, osoitin});
    }
    std::string OhjelmanKansio() const override { return ohjelmanKansio; }
    void NaytaDialogi(Valintaikkunamalli& m) override {
        if (auto* nimi = dynamic_cast<frmKysyNimiMalli*>(&m)) {
            ++kysyNimiKertoja;
            Pelaa(kysyNimi, *nimi);
        }
        if (auto* a = dynamic_cast<frmAsetuksetMalli*>(&m)) Pelaa(asetukset, *a);
        if (auto* lista = dynamic_cast<frmParhaatTuloksetMalli*>(&m))
            Pelaa(parhaatTulokset, *lista);
        if (auto* t = dynamic_cast<frmTietojaMalli*>(&m)) Pelaa(tietoja, *t);
        if (auto* v = dynamic_cast<frmVerkkopeliMalli*>(&m)) Pelaa(verkkopeli, *v);
        if (!dialogiJaaAuki) return Vastaa(true);
        avoinDialogi = &m;
        ++avoinna;
    }
    // The open dialog closes, as a face sees its model unloaded.
    void SuljeDialogi() {
        avoinDialogi = nullptr;
        --avoinna;
        vastaa(true);
    }
    virtual void NaytaVedenpinta(Puoli p, int r, std::optional<double> pinta) {
        const bool alkaa = !ruutu(p, r).vedenpinta && pinta;
        ruutu(p, r).vedenpinta = pinta;
        if (alkaa && (uppoamiset.empty() || uppoamiset.back().paattyi))
            uppoamiset.push_back({p, {}});
        if (alkaa) uppoamiset.back().ruudut.push_back(r);
        if (!pinta && !uppoamiset.empty()) uppoamiset.back().paattyi = true;
    }
    void SoitaAani(Aani aani) override { aanet.push_back(aani); }
    void PyydaAjastin(std::optional<std::chrono::milliseconds> kesto) override {
        ajastin = kesto ? std::optional(nyt + *kesto) : std::nullopt;
    }
    std::chrono::milliseconds Nyt() const override { return nyt; }
    void Lopeta() override { ++lopetuksia; }

    // Moves the clock on by `kesto`, handing the rules each expiry of their
    // timer that falls within it, at its own moment.
    void Kuluta(std::chrono::milliseconds kesto, const std::function<void()>& laukea) {
        const std::chrono::milliseconds loppu = nyt + kesto;
        while (ajastin && *ajastin <= loppu) Laukea(laukea);
        nyt = loppu;
    }
    // Lets the clock run until the rules ask for no more time: a pause and
    // every sinking under way play to their end. The number of expiries.
    int AjaLoppuun(const std::function<void()>& laukea) {
        int laukeamisia = 0;
        for (; ajastin && laukeamisia < 100000; ++laukeamisia) Laukea(laukea);
        return laukeamisia;
    }

  private:
    void Vastaa(bool kylla) {
        if (vastaa) return vastaa(kylla);
        ++avoinna;
    }
    void Laukea(const std::function<void()>& laukea) {
        nyt = std::max(nyt, *ajastin);
        ajastin.reset();
        laukea();
    }
    template <class Malli>
    static void Pelaa(const std::function<void(Malli&)>& pelaaja, Malli& malli) {
        if (pelaaja) pelaaja(malli);
    }
};
