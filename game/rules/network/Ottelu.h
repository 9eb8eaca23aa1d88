#pragma once

#include <array>
#include <optional>
#include <string>

#include "rules/Peli.h"
#include "rules/network/Istunto.h"
#include "rules/network/Protokolla.h"

class Kierros;
class Yhteydenotto;

// A match of games against one friend: the score, the host's rules for
// each game and who opens it, and the rematch. The player's own rules wait
// for the match to end.
class Ottelu {
  public:
    Ottelu(Peli& peli, Pelitila& tila, Istunto& istunto, const Yhteydenotto& yhteys,
           Kierros& kierros)
        : peli_(peli), t(tila), istunto_(istunto), yhteys_(yhteys), kierros_(kierros) {}

    // No score yet; the player's rules are kept for the match's end.
    void Alkaa();
    // Nobody lays ships before both programs know the rules.
    void OdotaEhtoja();
    // The host starts each game with its rules; the joining side waits for them.
    void AloitaPeli();
    // False: the line is none of the match's.
    bool Kasittele(const viestit::Viesti& viesti);
    // The friend's fleet is in: the game counts, or counts for nobody.
    void Tulos();
    // "Uusi peli" during a game of the match: the friend is asked.
    void UusiPeli();
    // Another game asked for and not yet answered.
    bool Pyydetty() const { return pyydetty_; }
    // The score for the caption, once the friend has greeted.
    std::optional<std::string> Pisteet() const;
    // The settings dialog shows and saves the player's own rules, not the
    // match's, which come back when it closes.
    void OmatSaannot();
    void OttelunSaannot();

  private:
    viestit::Avaaja Avaajasaanto() const;
    void EhdotSaatu(const viestit::Peliehdot& ehdot);
    void AloitaSijoitus();
    void PeruPyynto();
    void UusiSaatu();
    // Both sides want another game.
    void Uusintaan();
    void EiUuttaSaatu();
    void AsetaSaannot(bool kulmat, bool reuna);

    Peli& peli_;
    Pelitila& t;
    Istunto& istunto_;
    const Yhteydenotto& yhteys_;
    Kierros& kierros_;

    std::array<int, 2> voitot_{};
    int peleja_ = 0;
    std::optional<bool> isantaVoitti_;
    bool omatKulmat_ = false;
    bool omaReuna_ = true;
    std::string aloitustapa_;
    bool pyydetty_ = false;
};
