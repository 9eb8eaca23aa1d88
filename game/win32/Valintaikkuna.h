#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "rules/Asettelu.h"
#include "rules/Valintaikkunamalli.h"
#include "win32/Kirjasimet.h"

// A dialog of the game built from its layout table over its model: a fixed
// client area, only the close box in the title bar, a place in the middle of
// the screen. Enter presses the table's default button and Esc its cancel
// button; activation and the close box go to the model. A subclass copies
// the model to the controls and the player's changes back, and calls the
// model's handlers.
class Valintaikkuna {
  public:
    Valintaikkuna(const Asettelu& asettelu, Valintaikkunamalli& malli);
    virtual ~Valintaikkuna();
    Valintaikkuna(const Valintaikkuna&) = delete;
    Valintaikkuna& operator=(const Valintaikkuna&) = delete;

    // Shows the dialog modally over the owner; returns once it has closed.
    void Nayta(HWND omistaja);

  protected:
    HWND Hae(const std::string& nimi) const { return saatimet_.at(nimi); }
    bool Valittu(const std::string& nimi) const;
    void Valitse(const std::string& nimi, bool valittu);
    void AsetaTeksti(const std::string& nimi, const std::string& teksti);
    std::string Teksti(const std::string& nimi) const;
    void AsetaKaytossa(const std::string& nimi, bool kaytossa);

    // The controls exist: the model's fields go into them.
    virtual void Alusta() = 0;
    // A button or a link was clicked.
    virtual void Napsautettu(const std::string& nimi) = 0;
    // A text box's text changed.
    virtual void Muuttui(const std::string&) {}

  private:
    static INT_PTR CALLBACK Proseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l);
    INT_PTR Kasittele(UINT viesti, WPARAM w, LPARAM l);
    void Luo();
    HWND LuoSaadin(const Saadin& saadin, bool ryhmanAlku);
    void Sijoita();
    void Keskita(HWND omistaja);
    void KasitteleKomento(WORD tunnus);
    void SuljeJosPurettu();
    bool OnLinkki(HWND saadin) const;

    const Asettelu& asettelu_;
    Valintaikkunamalli& malli_;
    HWND hwnd_ = nullptr;
    HWND omistaja_ = nullptr;
    UINT dpi_ = 96;
    std::unique_ptr<Kirjasimet> kirjasimet_;
    HICON kuvake_ = nullptr;
    std::map<std::string, HWND> saatimet_;
    std::map<WORD, std::string> tunnukset_;
};
