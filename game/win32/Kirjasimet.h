#pragma once

#include <windows.h>

#include <array>
#include <string>

// The fonts of one window at one screen density. The layouts give every
// caption the room an 8-point font of Arial's proportions needs.
class Kirjasimet {
  public:
    enum class Tyyli { Tavallinen, Lihava, Alleviivattu };

    explicit Kirjasimet(UINT dpi);
    ~Kirjasimet();
    Kirjasimet(const Kirjasimet&) = delete;
    Kirjasimet& operator=(const Kirjasimet&) = delete;

    HFONT Kirjasin(Tyyli tyyli = Tyyli::Tavallinen) const {
        return kirjasimet_[static_cast<std::size_t>(tyyli)];
    }
    // The font with letters narrowed to the given per cent, for a line that
    // would not otherwise fit; the caller deletes it.
    HFONT Kavennettu(int prosenttia, Tyyli tyyli = Tyyli::Tavallinen) const;
    // The pixels the text takes as DrawText lays it out with `muoto`, in the
    // font narrowed to `venytys` per cent; lines that wrap, within `leveys`.
    SIZE Mitta(const std::wstring& teksti, Tyyli tyyli, int venytys, UINT muoto,
               int leveys = 0) const;

  private:
    UINT dpi_;
    std::array<HFONT, 3> kirjasimet_;
};
