#pragma once

#include <windows.h>

#include <string>

#include "rules/Laatikot.h"

// A message box whose buttons say "OK", "Kyllä" and "Ei" whatever language
// Windows speaks; the system's own box would name them in that language.
// True for Yes.
bool NaytaLaatikko(HWND omistaja, const std::string& otsikko, const std::string& teksti,
                   const Laatikonmalli& malli);
