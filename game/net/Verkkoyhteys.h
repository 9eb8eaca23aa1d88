#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/Nimenratkaisu.h"
#include "net/Rivinjako.h"
#include "net/Valvonta.h"
#include "platform/net/osoite.h"
#include "platform/net/soketti.h"
#include "rules/network/Verkko.h"
#include "rules/window/Tapahtuma.h"

// The network as the rules see it, over non-blocking sockets that the face
// watches: one opponent at a time, whole lines each way, and the games
// waiting on the local network.
class Verkkoyhteys : public Verkko {
  public:
    // A host name typed by hand is given to `ratkaisija`, on a thread of its
    // own; a numeric address never is.
    Verkkoyhteys(Valvonta& valvonta, std::function<void(Tapahtuma)> kohde,
                 Ratkaisija ratkaisija = Ratkaise);
    ~Verkkoyhteys() override;
    Verkkoyhteys(const Verkkoyhteys&) = delete;
    Verkkoyhteys& operator=(const Verkkoyhteys&) = delete;

    bool Kuuntele(const std::string& nimi) override;
    void Yhdista(const std::string& osoite) override;
    int SeuraavaYhteys() const override;
    void Hae() override;
    void Laheta(const std::string& rivi) override;
    void Sulje() override;
    std::vector<std::string> OmatOsoitteet() const override;
    void SokettiValmis(std::intptr_t kahva) override;

  private:
    bool AvaaKuuntelu();
    void Ratkaistu();
    void HylkaaRatkaisu();
    void KokeileSeuraavaa();
    void Yhdistamassa();
    void Hyvaksy();
    void Lue();
    void Kirjoita();
    Siirronloppu KirjoitaJonosta();
    void ValvoKirjoitusta(bool kirjoitus);
    void Katkaise(Siirronloppu loppu);
    void PoistaYhteys();
    void VastaaHakuihin();
    void KeraaVastaukset();
    void LopetaValvonta(std::intptr_t& kahva);
    void Ilmoita(Tapahtuma tapahtuma);
    void Toimita();

    Valvonta& valvonta_;
    std::function<void(Tapahtuma)> kohde_;
    Ratkaisija ratkaisija_;
    std::uint16_t portti_;
    std::string lahetysosoite_;
    std::string nimi_;
    std::intptr_t kuuntelija_ = EI_SOKETTIA;
    std::intptr_t hakuvastaaja_ = EI_SOKETTIA;
    std::intptr_t hakija_ = EI_SOKETTIA;
    std::intptr_t yhteys_ = EI_SOKETTIA;
    int yhteysnro_ = 0;
    int seuraavaYhteys_ = 1;
    bool yhdistetty_ = false;
    // The rules wait for an opponent: the next to connect is it.
    bool odottaa_ = false;
    bool kirjoitusValvottu_ = false;
    // The name of the attempt numbered yhteysnro_, while it is looked up.
    std::unique_ptr<Nimenratkaisu> ratkaisu_;
    std::vector<Osoite> kokeilematta_;
    Rivinjako saapuvat_;
    std::string lahtevat_;
    std::deque<Tapahtuma> ilmoitettavat_;
};
