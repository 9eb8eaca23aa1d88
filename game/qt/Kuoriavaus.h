#pragma once

#include <QUrl>

class QWidget;

// How the opened program's window is asked to show itself, numbered as the
// Windows shell numbers its show commands.
enum class Nayttokomento { Piilotettu = 0, Normaali = 1 };

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

// One shell open: the hourglass while the target is handed over. `omistaja`
// is the window whose command or link asked for it.
void AvaaKuorella(QWidget* omistaja, const QUrl& kohde, Nayttokomento naytto);
