#pragma once

#include <windows.h>

#include <string>

#include "rules/Nakyma.h"

// Message boxes whose buttons say "OK", "Kyllä" and "Ei" whatever language
// Windows speaks; the system's own box would name them in that language.
void NaytaViesti(HWND omistaja, const std::string& otsikko, const std::string& teksti,
                 Kuvake kuvake);
// A Yes/No question with No as the default; true for Yes.
bool KysyVahvistus(HWND omistaja, const std::string& otsikko, const std::string& teksti);
