#pragma once

#include "rules/Pelitila.h"
#include "rules/Ruutunakymat.h"

// Only the latest shot of a side wears the "latest" picture: the one before
// it goes back to the plain hit or miss picture. Nothing before the first.
inline void PalautaTavallinenKuva(Ruutunakymat& r, Puoli ruudukko, int laukaus, Osui osui) {
    if (osui == Osui::kylla) r.NaytaKuva(ruudukko, laukaus, Kuva::Osuma);
    if (osui == Osui::ei) r.NaytaKuva(ruudukko, laukaus, Kuva::Ohi);
}
