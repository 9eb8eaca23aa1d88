#pragma once

#include <QUrl>

#include "rules/Nakyma.h"

class QWidget;

// Hands a file or an address to whatever program the desktop associates with
// it: a text viewer, the web browser, the mail program.
class Kuoriavaaja {
  public:
    virtual ~Kuoriavaaja() = default;
    // Returns at once without waiting for that program; a target that does
    // not open is let go without a word.
    virtual void Avaa(QWidget* omistaja, const QUrl& kohde, Nayttokomento naytto) = 0;
};

// Puts `avaaja` in the place of the desktop's opener, so that tests see what
// would open without starting anything; nullptr brings the desktop's back.
void VaihdaKuoriavaaja(Kuoriavaaja* avaaja);

// The target as an address the desktop understands, opened on behalf of
// `omistaja`, the window whose command or link asked for it.
QUrl Osoitteeksi(const Kuorikohde& kohde);
void AvaaKuorella(QWidget* omistaja, const Kuorikohde& kohde, Nayttokomento naytto);
