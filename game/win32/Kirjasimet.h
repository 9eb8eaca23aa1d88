#pragma once

#include <windows.h>

// The fonts of one window at one screen density. The layouts give every
// caption the room an 8-point font of Arial's proportions needs.
class Kirjasimet {
  public:
    explicit Kirjasimet(UINT dpi);
    ~Kirjasimet();
    Kirjasimet(const Kirjasimet&) = delete;
    Kirjasimet& operator=(const Kirjasimet&) = delete;

    HFONT Tavallinen() const { return tavallinen_; }
    HFONT Lihava() const { return lihava_; }
    HFONT Alleviivattu() const { return alleviivattu_; }
    // The plain font with letters narrowed to the given per cent, for a line
    // that would not otherwise fit; the caller deletes it.
    HFONT Kavennettu(int prosenttia) const;

  private:
    UINT dpi_;
    HFONT tavallinen_;
    HFONT lihava_;
    HFONT alleviivattu_;
};
