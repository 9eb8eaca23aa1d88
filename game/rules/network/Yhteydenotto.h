#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/network/Protokolla.h"
#include "rules/network/Verkko.h"
#include "rules/window/Tapahtuma.h"

// Finding the friend and greeting it: the connection a match is on, which
// side hosts, and the friend's name once it has greeted.
class Yhteydenotto {
  public:
    enum class Vaihe { Ei, Odottaa, Yhdistaa, Tervehtii, Tervehditty };

    explicit Yhteydenotto(Verkko& verkko) : verkko_(verkko) {}

    Vaihe Tila() const { return vaihe_; }
    bool Kaynnissa() const { return vaihe_ != Vaihe::Ei; }
    bool Tervehditty() const { return vaihe_ == Vaihe::Tervehditty; }
    bool Isanta() const { return isanta_; }
    // This player's name as the friend hears it.
    const std::string& Nimi() const { return nimi_; }
    const std::string& Vastustaja() const { return vastustaja_; }
    // The addresses the host waits on, for the friend to type.
    const std::vector<std::string>& Osoitteet() const { return osoitteet_; }

    // Waits for a friend as the host. False when the ports cannot open.
    bool Kuuntele(const std::string& nimi);
    // The joining side: the connection itself is made by Soita, once the
    // match is ready for it.
    void Yhdista(const std::string& nimi);
    void Soita(const std::string& osoite);
    // Whoever connected was no opponent: let go, and the host waits on.
    // False when the ports no longer open.
    bool OdotaSeuraavaa();
    // The event comes from the connection the match is on, not from one let go.
    bool Oma(int yhteys) const { return Kaynnissa() && yhteys >= ensimmainenYhteys_; }
    void Yhdistetty(int yhteys);
    // Why the match ends with the connection; nothing while the host waits on.
    std::optional<std::string> Katkesi(Katkos syy);
    // Before a greeting nothing is an opponent: a browser or a scanner that
    // reached the host's port.
    bool Vieras(const std::optional<viestit::Viesti>& viesti) const;
    // False: the friend's program speaks another version of the lines.
    bool Tervehdi(const viestit::Tervehdys& tervehdys);
    // Asks the network which games wait.
    void Hae() { verkko_.Hae(); }
    void Laheta(const viestit::Viesti& viesti);
    void Sulje();

  private:
    void Esittaydy();

    Verkko& verkko_;
    Vaihe vaihe_ = Vaihe::Ei;
    bool isanta_ = false;
    std::string nimi_;
    std::string vastustaja_;
    std::vector<std::string> osoitteet_;
    // Connections numbered below this were let go.
    int ensimmainenYhteys_ = 0;
};
