#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rules/Napsautus.h"
#include "rules/Valintaikkunamalli.h"
#include "win32/Kirjasimet.h"

// Any dialog of the game, built from its model's layout table and bound to
// the model: a fixed client area, only the close box in the title bar, a
// place in the middle of the screen. Enter presses the table's default
// button; every act of the player goes to the model, every control shows
// the model again after it and whenever the model changes on its own, and the dialog ends once the
// model has been unloaded.
class Valintaikkuna {
  public:
    explicit Valintaikkuna(Valintaikkunamalli& malli);
    ~Valintaikkuna();
    Valintaikkuna(const Valintaikkuna&) = delete;
    Valintaikkuna& operator=(const Valintaikkuna&) = delete;

    // Shows the dialog modally over the owner; returns once it has closed.
    void Nayta(HWND omistaja);

  private:
    static INT_PTR CALLBACK Proseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l);
    static LRESULT CALLBACK Linkkiproseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l, UINT_PTR,
                                             DWORD_PTR napsautus);
    INT_PTR Kasittele(UINT viesti, WPARAM w, LPARAM l);
    void Alusta();
    void Luo();
    HWND LuoSaadin(const Saadin& saadin, bool ryhmanAlku);
    void NaytaMalli();
    // The places the rules give the controls for their texts at this density.
    void Sijoita();
    void Keskita();
    void Komento(WORD tunnus, WORD ilmoitus);
    void Toimittu();
    bool OnLinkki(HWND saadin) const;
    HWND Hae(const std::string& nimi) const { return saatimet_.at(nimi); }

    Valintaikkunamalli& malli_;
    const Asettelu& asettelu_;
    HWND hwnd_ = nullptr;
    HWND omistaja_ = nullptr;
    UINT dpi_ = 96;
    std::unique_ptr<Kirjasimet> kirjasimet_;
    std::vector<HFONT> kavennetut_;
    HICON kuvake_ = nullptr;
    std::map<std::string, HWND> saatimet_;
    std::map<WORD, std::string> tunnukset_;
    std::map<HWND, Napsautus> linkit_;
    bool naytetaan_ = false;  // the controls change as the model is shown, not by the player
};
