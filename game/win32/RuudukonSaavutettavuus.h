#pragma once

#include <windows.h>

#include <string>

// What a grid window tells assistive technology: a table whose hundred cells
// are its squares, named by the rules. The grid window's user data points at
// one, for as long as the window lives.
class Ruudukkotiedot {
  public:
    virtual std::wstring Nimi() const = 0;
    virtual std::wstring RuudunNimi(int ruutu) const = 0;
    virtual bool RuutuKaytossa(int ruutu) const = 0;
    virtual int Kohdistusruutu() const = 0;
    // In the grid window's client coordinates.
    virtual RECT RuudunAlue(int ruutu) const = 0;

  protected:
    ~Ruudukkotiedot() = default;
};

// The answer to WM_GETOBJECT on a grid window: its table for the client
// object, nothing (0) for the rest.
LRESULT RuudukonObjekti(HWND ruudukko, WPARAM w, LPARAM l);
