#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rules/Napsautus.h"
#include "rules/Tekstinsovitus.h"
#include "rules/Valintaikkunamalli.h"
#include "win32/Kirjasimet.h"

// The text a control shows.
std::string Teksti(HWND saadin);

// The controls of a layout table as child windows of one window, made in the
// order Tab visits them with the table's texts, each with its identifier
// counted up from the first, then given fonts and places at a density.
class Saatimet {
  public:
    Saatimet(const Asettelu& asettelu, WORD ensimmainenTunnus)
        : asettelu_(asettelu), ensimmainen_(ensimmainenTunnus) {}
    ~Saatimet();
    Saatimet(const Saatimet&) = delete;
    Saatimet& operator=(const Saatimet&) = delete;

    // With groups, the arrow keys move only among the option buttons of one;
    // a window that is no dialog handles its keys itself and makes none.
    void Luo(HWND ikkuna, bool ryhmat);
    void Sijoita(const Sovitus& sovitus, const Kirjasimet& kirjasimet, UINT dpi);
    // The control's font with its letters at the given per cent.
    void Kavenna(const Saadin& saadin, int venytys, const Kirjasimet& kirjasimet);
    // The buttons show the one named as the one Enter presses.
    void NaytaOletus(const std::string& oletus) const;

    HWND operator[](const std::string& nimi) const { return kahvat_.at(nimi); }
    // The control of an identifier or a window; none for another.
    const Saadin* Tunnuksella(WORD tunnus) const;
    std::string Nimi(HWND kahva) const;
    bool OnLinkki(HWND kahva) const { return linkit_.contains(kahva); }
    // What a picture shows, drawn at its size each time it paints.
    using Piirros = std::function<piirros::Pikselikuva(int leveys, int korkeus)>;
    void AsetaPiirros(const std::string& nimi, Piirros piirros) {
        kuvat_[kahvat_.at(nimi)] = std::move(piirros);
    }

  private:
    const Asettelu& asettelu_;
    WORD ensimmainen_;
    std::vector<const Saadin*> tehdyt_;  // in the order of their identifiers
    std::map<std::string, HWND> kahvat_;
    std::map<HWND, Napsautus> linkit_;
    std::map<HWND, Piirros> kuvat_;
    std::map<std::string, HFONT> kavennetut_;
    HICON kuvake_ = nullptr;
};

// Any dialog of the game, built from its model's layout table and bound to
// the model: a fixed client area, only the close box in the title bar, a
// place in the middle of the screen. Enter presses the table's default
// button; every act of the player goes to the model, every control shows
// the model again after it and whenever the model changes on its own, and the dialog ends once the
// model has been unloaded.
class Valintaikkuna {
  public:
    explicit Valintaikkuna(Valintaikkunamalli& malli);
    Valintaikkuna(const Valintaikkuna&) = delete;
    Valintaikkuna& operator=(const Valintaikkuna&) = delete;

    // Shows the dialog modally over the owner; returns once it has closed.
    void Nayta(HWND omistaja);

  private:
    static INT_PTR CALLBACK Proseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l);
    INT_PTR Kasittele(UINT viesti, WPARAM w, LPARAM l);
    void Alusta();
    void NaytaMalli();
    // The places the rules give the controls for their texts at this density.
    void Sijoita();
    void Keskita();
    void Komento(WORD tunnus, WORD ilmoitus);
    void Toimittu();

    Valintaikkunamalli& malli_;
    const Asettelu& asettelu_;
    HWND hwnd_ = nullptr;
    HWND omistaja_ = nullptr;
    UINT dpi_ = 96;
    std::unique_ptr<Kirjasimet> kirjasimet_;
    Saatimet saatimet_;
    bool naytetaan_ = false;  // the controls change as the model is shown, not by the player
};
