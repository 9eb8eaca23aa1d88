#pragma once

#include "rules/Nakyma.h"

// Only the latest shot of a side wears the "latest" picture: the one before
// it goes back to the plain hit or miss picture. Nothing before the first.
inline void PalautaTavallinenKuva(Nakyma& n, Puoli ruudukko, int laukaus, Osui osui) {
    if (osui == Osui::kylla) n.NaytaKuva(ruudukko, laukaus, Kuva::Osuma);
    if (osui == Osui::ei) n.NaytaKuva(ruudukko, laukaus, Kuva::Ohi);
}
