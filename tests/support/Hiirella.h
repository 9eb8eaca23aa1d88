#pragma once

#include "rules/window/frmMorvakMalli.h"

// A press and a release of `painike` (1 left, 2 right, 4 middle) on one
// square, as a face hands them over.
inline void Napsauta(frmMorvakMalli& malli, Puoli ruudukko, int ruutu, int painike = 1) {
    malli.Tapahtuu(HiiriPainettu{Ruutupaikka{ruudukko, ruutu}, painike});
    malli.Tapahtuu(HiiriVapautettu{Ruutupaikka{ruudukko, ruutu}, painike});
}
