#pragma once

#include <oleacc.h>
#include <windows.h>

#include <string>

// What the rules want a screen reader to say once: a shot's result and the
// new instruction line. Windows screen readers speak a live region when it
// tells them it changed, and a plain window becomes one by UI Automation's
// LiveSetting, given it through the accessibility property service. The
// region is a static of no size: it draws nothing.
class Kuulutus {
  public:
    Kuulutus() = default;
    Kuulutus(const Kuulutus&) = delete;
    Kuulutus& operator=(const Kuulutus&) = delete;
    ~Kuulutus();

    void Luo(HWND ikkuna);
    void Kuuluta(const std::wstring& teksti);

  private:
    HWND hwnd_ = nullptr;
    IAccPropServices* palvelut_ = nullptr;
};
