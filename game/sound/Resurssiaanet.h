#pragma once

#include <windows.h>

#include "rules/Aani.h"

// The game's sounds from the program's own resources, played by Windows'
// PlaySound, asynchronously: a new sound stops the one still playing. winmm
// is loaded the first time a sound is played, so a player who keeps sounds
// off never loads it; without it or without a device, sounds are silence.
class Resurssiaanet {
  public:
    explicit Resurssiaanet(HINSTANCE ohjelma) : ohjelma_(ohjelma) {}

    void Soita(Aani aani);

  private:
    using PlaySoundW_t = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);

    HINSTANCE ohjelma_;
    bool yritetty_ = false;
    PlaySoundW_t playSound_ = nullptr;
};
