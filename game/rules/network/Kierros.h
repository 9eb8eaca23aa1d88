#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/network/Istunto.h"
#include "rules/network/Laivasto.h"
#include "rules/network/Protokolla.h"

class Yhteydenotto;

// One game of a network match: the draw for who opens, both fleets
// committed before the first shot, the shots and their answers, and the
// friend's fleet revealed and checked against them after the last.
class Kierros {
  public:
    // What a line of the friend's came to.
    enum class Seuraus { EiOma, Kasitelty, Ratkaistava };

    Kierros(Peli& peli, Pelitila& tila, Istunto& istunto, const Yhteydenotto& yhteys)
        : peli_(peli), t(tila), istunto_(istunto), yhteys_(yhteys) {}

    // A game is on: its rules are agreed.
    bool Kaynnissa() const { return vaihe_ != Vaihe::Ei; }
    const viestit::Peliehdot& Ehdot() const { return ehdot_; }
    // The host's rules for the game, with the seal of its part of the draw.
    // False when this computer gives no randomness to draw with.
    bool Ehdota(bool kulmat, bool reuna, viestit::Avaaja avaaja);
    // The joining side takes the host's rules and answers with its part.
    bool Hyvaksy(const viestit::Peliehdot& ehdot);
    void Aloita();
    // The match has ended, or waits for the next game's rules.
    void Lopeta() { vaihe_ = Vaihe::Ei; }

    Seuraus Kasittele(const viestit::Viesti& viesti);
    void LaivastoValmis();
    void Ammu(int ruutu);
    // True when the friend's fleet is in and the game can be counted.
    bool UppoaminenEsitetty();
    // The friend's fleet as revealed, when it is the one committed to, one it
    // could have laid and the one every answer came from. The game has ended
    // either way.
    std::optional<Laivasto> Ratkaise();
    // The friend's ships this side never hit come to light.
    void NaytaUppoamattomat(const Laivasto& laivasto);
    // The game ended and the friend's fleet is still awaited.
    bool Paljastamatta() const { return vaihe_ == Vaihe::Loppu && !paljastus_; }

    Odotus Odotettava() const;
    // The line for where the game is; nothing where the game's own stands.
    std::optional<std::string> Ohje(const std::string& vastustaja) const;

  private:
    enum class Vaihe { Ei, Sijoitus, Ammunta, Loppu, Paattynyt };

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
    Seuraus PaljastusSaatu(const viestit::Paljasta& paljastus);
    void KeskenPaljastettu(const viestit::Paljasta& paljastus);
    std::optional<Laivasto> Paljastettu() const;
    void Laheta(const viestit::Viesti& viesti) { istunto_.Laheta(viesti); }
    void Virhe();

    Peli& peli_;
    Pelitila& t;
    Istunto& istunto_;
    const Yhteydenotto& yhteys_;

    Vaihe vaihe_ = Vaihe::Ei;
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
};
