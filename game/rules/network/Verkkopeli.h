#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <string>

#include "rules/Peli.h"
#include "rules/network/Istunto.h"
#include "rules/network/Kierros.h"
#include "rules/network/Ottelu.h"
#include "rules/network/Protokolla.h"
#include "rules/network/Verkko.h"
#include "rules/network/Yhteydenotto.h"
#include "rules/window/Tapahtuma.h"

class frmVerkkopeliMalli;

// A match against a friend over the network, as the rest of the program
// sees it: the dialog that finds the friend, the friend's lines handed to
// the part they belong to, and the friend's time for each wait. It decides;
// the network only carries its lines.
class Verkkopeli : public Vastustaja, public Maaraajallinen, private Istunto {
  public:
    Verkkopeli(Peli& peli, Pelitila& tila, Nakyma& nakyma, Verkko& verkko);
    ~Verkkopeli() override;
    Verkkopeli(const Verkkopeli&) = delete;
    Verkkopeli& operator=(const Verkkopeli&) = delete;

    // A match is on or being made: the network has the game.
    bool Kaynnissa() const { return yhteys_.Kaynnissa(); }

    // "Verkkopeli...": the dialog, and what the player chose there once it
    // closes.
    void Avaa();
    // The dialog is open: the timer is its search's, and its finds go to it.
    bool DialogiAuki() const { return dialogi_ != nullptr; }
    void Loytyi(const PeliLoytyi& peli);

    void Yhdistetty(const VerkkoYhdistetty& yhdistetty);
    void Rivi(const VerkkoRivi& rivi);
    void Katkesi(const VerkkoKatkesi& katkos);
    void Ajastin();
    // After every event: the lines held back go on if they can, and the wait
    // on the friend under way, if any, has its deadline.
    void Ajoita();
    std::optional<std::chrono::milliseconds> Maaraaika() const override;
    // "Uusi peli" during a match: the friend is asked.
    void UusiPeli();
    // The program ends: the friend hears it.
    void Lopeta();
    // The settings dialog shows and saves the player's own rules, not the
    // match's, which come back when it closes.
    void OmatSaannot();
    void OttelunSaannot();

    // The friend lays a fleet of its own, which this grid learns shot by shot.
    bool SijoitaLaivasto() override { return true; }
    void LaivastoValmis() override { kierros_.LaivastoValmis(); }
    void Ammu(int ruutu) override { kierros_.Ammu(ruutu); }
    void UppoaminenEsitetty() override;
    // A match keeps the host's rules to its end.
    void SijoitussaannotMuuttuivat() override {}
    Tilanneosuus Tilanteesta() const override;

  private:
    void AloitaOttelu();
    void Suljettu(const frmVerkkopeliMalli& malli);
    // The open dialog asks the network again which games wait.
    void Etsi();
    void Kuuntele(const std::string& nimi);
    void Yhdista(const std::string& nimi, const std::string& osoite);
    void OdotaSeuraavaa();
    Odotus Odotettava() const;
    void Myohassa();
    void Kasittele(const viestit::Viesti& viesti);
    void KasittelePidatetyt();
    void Tervehditty(const viestit::Tervehdys& tervehdys);
    // The network's line; nothing where the game's own stands.
    std::optional<std::string> Ohje() const;
    void Laheta(const viestit::Viesti& viesti) override { yhteys_.Laheta(viesti); }
    void Paata(const std::string& syy) override;
    void Palaa() override;
    void PeliAlkaa() override { pidatetyt_.clear(); }
    void Virhe();

    Peli& peli_;
    Pelitila& t;
    Nakyma& n;
    Verkko& verkko_;
    Yhteydenotto yhteys_;
    Kierros kierros_;
    Ottelu ottelu_;
    frmVerkkopeliMalli* dialogi_ = nullptr;
    std::chrono::milliseconds hakuSeuraava_{};

    Odotus odotus_ = Odotus::Ei;
    std::chrono::milliseconds odotusLoppuu_{};
    // Lines that came while a ship sank wait for it, and for a box that
    // opened meanwhile.
    std::deque<viestit::Viesti> pidatetyt_;
};
