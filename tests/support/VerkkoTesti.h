#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/network/Verkko.h"

// A network that only remembers what the rules asked of it, so that tests
// can read the lines sent and feed the friend's lines in as events.
class VerkkoTesti : public Verkko {
  public:
    std::vector<std::string> lahetetyt;
    std::vector<std::string> osoitteet{"192.168.1.5"};
    std::string yhdistetty;
    bool kuuntelee = false;
    bool porttiVapaa = true;
    int hakuja = 0;
    int sulkemisia = 0;
    int seuraavaYhteys = 0;

    bool Kuuntele(const std::string&) override {
        kuuntelee = porttiVapaa;
        return porttiVapaa;
    }
    void Yhdista(const std::string& osoite) override { yhdistetty = osoite; }
    int SeuraavaYhteys() const override { return seuraavaYhteys; }
    void Hae() override { ++hakuja; }
    void Laheta(const std::string& rivi) override { lahetetyt.push_back(rivi); }
    void Sulje() override {
        ++sulkemisia;
        kuuntelee = false;
    }
    std::vector<std::string> OmatOsoitteet() const override { return osoitteet; }
    void SokettiValmis(std::intptr_t) override {}
};
