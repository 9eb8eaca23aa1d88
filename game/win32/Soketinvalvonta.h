#pragma once

#include <windows.h>

#include <cstdint>

#include "net/Valvonta.h"

// The transport's sockets watched on the window's own message queue: Winsock
// posts `viesti` to the window, its wParam the socket, whenever one can be
// read, accepts, has connected or closed, and can be written to only while
// something waits to go, so that an idle connection never wakes the program.
class Soketinvalvonta : public Valvonta {
  public:
    explicit Soketinvalvonta(UINT viesti) : viesti_(viesti) {}
    // The window is made after its members; nothing is watched before it.
    void Ikkuna(HWND ikkuna) { ikkuna_ = ikkuna; }

    void Valvo(std::intptr_t kahva, bool kirjoitus) override;
    void Lopeta(std::intptr_t kahva) override;

  private:
    UINT viesti_;
    HWND ikkuna_ = nullptr;
};
