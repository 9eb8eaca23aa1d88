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

    // A search went out: a game that answered neither it nor the one before
    // leaves the list, so the list holds the games that answer now.
    void Haettu();
    // A game answered the search; the list shows it once by its address,
    // newest name kept.
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
    struct Loydetty {
        PeliLoytyi peli;
        int haku = 0;  // the last search it answered
    };
    std::vector<Loydetty> pelit_;
    int haku_ = 0;
    // The address came from a row of the list, which stays chosen while its
    // game answers.
    bool riviValittu_ = false;
    bool aloitaKaytossa_ = false;
    bool liitytaan_ = false;
    std::array<bool, RIVEJA> riviKaytossa_{};
    std::array<std::string, RIVEJA> rivit_;
};
