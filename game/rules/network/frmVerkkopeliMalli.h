#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "rules/Valintaikkunamalli.h"
#include "rules/window/Tapahtuma.h"

// The "Verkkopeli" dialog: the player's name, and either waiting for a
// friend here or joining a game found on the network or typed by hand.
class frmVerkkopeliMalli : public Valintaikkunamalli {
  public:
    static constexpr std::size_t ODOTA = 0;
    static constexpr std::size_t LIITY = 1;
    // Rows of the found games' list; more are not shown.
    static constexpr std::size_t RIVEJA = 5;

    frmVerkkopeliMalli(std::string nimi, std::vector<std::string> osoitteet, Palvelut& palvelut);

    // A game answered the search; the list shows it once, newest name kept.
    void Loytyi(const PeliLoytyi& peli);

    std::string Nimi;
    std::size_t Tapa = ODOTA;
    std::string Osoite;

    void Sulje() override;

  private:
    void ValitseTapa(bool valittu, std::size_t tapa);
    void ValitsePeli(std::size_t rivi);
    void Paivita();
    std::string Rivi(std::size_t rivi) const;

    std::vector<std::string> osoitteet_;
    std::string osoiteteksti_;
    std::vector<PeliLoytyi> pelit_;
    std::size_t valittuRivi_ = RIVEJA;
    bool aloitaKaytossa_ = false;
    bool liitytaan_ = false;
    std::array<bool, RIVEJA> riviKaytossa_{};
    std::array<std::string, RIVEJA> rivit_;
};
