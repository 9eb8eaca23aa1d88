#pragma once

#include <array>
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/network/Laivasto.h"
#include "rules/network/Protokolla.h"
#include "rules/network/Verkko.h"
#include "rules/window/Tapahtuma.h"

class frmVerkkopeliMalli;

// A match against a friend over the network: finding each other, the
// greeting, each game's rules, both fleets committed before the first shot
// and checked after the last, the shots and their answers, the rematch and
// the end. It decides; the network only carries its lines.
class Verkkopeli : public Vastustaja, public Maaraajallinen {
  public:
    Verkkopeli(Peli& peli, Pelitila& tila, Nakyma& nakyma, Verkko& verkko);
    ~Verkkopeli() override;
    Verkkopeli(const Verkkopeli&) = delete;
    Verkkopeli& operator=(const Verkkopeli&) = delete;

    // A match is on or being made: the network has the game.
    bool Kaynnissa() const { return vaihe_ != Vaihe::Ei; }

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
    void LaivastoValmis() override;
    void Ammu(int ruutu) override;
    void UppoaminenEsitetty() override;
    // A match keeps the host's rules to its end.
    void SijoitussaannotMuuttuivat() override {}
    Tilanneosuus Tilanteesta() const override;

  private:
    enum class Vaihe {
        Ei,
        Odottaa,
        Yhdistaa,
        Tervehtii,
        Ehdot,
        Sijoitus,
        Ammunta,
        Loppu,
        Paattynyt
    };
    // What the friend is expected to do next; each has its time.
    enum class Odotus {
        Ei,
        Tervehdys,  // its greeting
        Ehdot,      // the host's rules for the next game
        Laivat,     // the friend's fleet
        Aloitus,    // the host's start of firing
        Vastaus,    // the answer to this side's shot
        Laukaus,    // the friend's shot
        Paljastus,  // the friend's fleet revealed after the game
        Uusinta,    // the answer to this side's request for another game
    };

    void AloitaOttelu(Vaihe vaihe);
    void Suljettu(const frmVerkkopeliMalli& malli);
    // The open dialog asks the network again which games wait.
    void Etsi();
    void Kuuntele();
    // Whoever connected was no opponent: let go, and the host waits on.
    void OdotaSeuraavaa();
    // The event comes from the connection the match is on, not from one let go.
    bool Oma(int yhteys) const;
    Odotus Odotettava() const;
    void Myohassa();
    void Yhdista(const std::string& osoite);
    // A game of the match is on or being agreed on: past the greeting.
    bool Pelissa() const;
    void Kasittele(const viestit::Viesti& viesti);
    void KasittelePidatetyt();
    void Tervehditty(const viestit::Tervehdys& tervehdys);
    // The host starts each game with its rules; the joining side waits for them.
    void AloitaPeli();
    viestit::Avaaja Avaajasaanto() const;
    void EhdotSaatu(const viestit::Peliehdot& ehdot);
    void AloitaSijoitus();
    void ArpaSaatu(const viestit::Arpa& arpa);
    void ValmisSaatu(const viestit::Valmis& valmis);
    void AloitaSaatu(const viestit::Aloita& aloita);
    bool IsantaAloittaa() const;
    void Ammunnanalku();
    bool YstavanVuoro() const;
    bool Ammuttava(int ruutu) const;
    void AmmuttuMinuun(int ruutu);
    void Vastattu(const viestit::Viesti& vastaus);
    bool Upotettavissa(int ruutu, const std::vector<int>& ruudut) const;
    void Upota(int ruutu, const std::vector<int>& ruudut);
    void LopetaAmmunta();
    void PeliPaattyi();
    // The friend's answers are ones no fleet laid under the rules gives.
    void Valhe();
    void PaljastusSaatu(const viestit::Paljasta& paljastus);
    void KeskenPaljastettu(const viestit::Paljasta& paljastus);
    // The friend's fleet as revealed, when it is the one committed to, one it
    // could have laid and the one every answer came from.
    std::optional<Laivasto> Paljastettu() const;
    void Tulos();
    void PeruPyynto();
    void UusiSaatu();
    // Both sides want another game.
    void Uusintaan();
    void EiUuttaSaatu();
    // The network's line; nothing where the game's own stands.
    std::optional<std::string> Ohje() const;
    void Laheta(const viestit::Viesti& viesti);
    // The match ends with a word to the player; the computer is the
    // opponent again.
    void Paata(const std::string& syy);
    void Virhe();
    void Palaa();
    void AsetaSaannot(bool kulmat, bool reuna);

    Peli& peli_;
    Pelitila& t;
    Nakyma& n;
    Verkko& verkko_;
    frmVerkkopeliMalli* dialogi_ = nullptr;

    Vaihe vaihe_ = Vaihe::Ei;
    bool isanta_ = false;
    std::string nimi_;
    std::string vastustaja_;
    std::vector<std::string> osoitteet_;
    // Connections numbered below this were let go.
    int ensimmainenYhteys_ = 0;
    Odotus odotus_ = Odotus::Ei;
    std::chrono::milliseconds odotusLoppuu_{};
    std::chrono::milliseconds hakuSeuraava_{};
    std::array<int, 2> voitot_{};
    int peleja_ = 0;
    std::optional<bool> isantaVoitti_;
    bool omatKulmat_ = false;
    bool omaReuna_ = true;
    std::string aloitustapa_;

    // The game under way.
    viestit::Peliehdot ehdot_;
    Kertakoodi omaArpa_{};
    std::optional<Kertakoodi> vierasArpa_;
    Kertakoodi kertakoodi_{};
    std::string laivasto_;
    bool omaValmis_ = false;
    std::optional<Tiiviste> vastustajanSitoumus_;
    std::optional<int> odotettu_;
    std::vector<Vastaus> vastaukset_;
    std::optional<viestit::Paljasta> paljastus_;
    std::array<bool, RUUTUJA + 1> ammututMinuun_{};
    bool omaVuoroSeuraa_ = false;
    bool pyydetty_ = false;
    // Lines that came while a ship sank wait for it, and for a box that
    // opened meanwhile.
    std::deque<viestit::Viesti> pidatetyt_;
};
