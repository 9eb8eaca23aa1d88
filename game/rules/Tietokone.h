#pragma once

#include "rules/Pelitila.h"
#include "rules/Vastustaja.h"

class Peli;
class KoneenSijoitus;
class PelaajanLaukaus;
class KoneenLaukaus;

// The computer as the opponent: it lays its fleet at random, answers the
// player's shots from it and takes its turn after each.
class Tietokone : public Vastustaja {
  public:
    Tietokone(Peli& peli, Pelitila& tila, KoneenSijoitus& sijoitus, PelaajanLaukaus& pelaajan,
              KoneenLaukaus& koneen)
        : peli_(peli), t(tila), sijoitus_(sijoitus), pelaajan_(pelaajan), koneen_(koneen) {}

    bool SijoitaLaivasto() override;
    void LaivastoValmis() override;
    void Ammu(int ruutu) override;
    void UppoaminenEsitetty() override {}
    void SijoitussaannotMuuttuivat() override;
    Tilanneosuus Tilanteesta() const override { return {}; }

  private:
    Peli& peli_;
    Pelitila& t;
    KoneenSijoitus& sijoitus_;
    PelaajanLaukaus& pelaajan_;
    KoneenLaukaus& koneen_;
};
