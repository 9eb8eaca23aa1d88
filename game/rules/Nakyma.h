#pragma once

#include <string>

#include "Pelitila.h"

// The pictures a grid square can show, copied from the window's templates.
enum class Kuva { Vesi, Laiva, Osuma, Ohi, OsumaViimeksi, OhiViimeksi };

// The screen-wide mouse pointer.
enum class Osoitin { Oletus, Tiimalasi };

enum class Kuvake { Ei, Tieto, Kysymys, Huutomerkki };

// Everything the rules ask of the window. The rules decide; an implementation
// only realises the decision on screen.
class Nakyma {
  public:
    virtual ~Nakyma() = default;

    virtual void NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva) = 0;
    // true: the pointing-hand cursor of a square that can be clicked.
    virtual void AsetaSormiosoitin(Puoli ruudukko, int ruutu, bool sormi) = 0;
    virtual void AsetaRuutuKaytossa(Puoli ruudukko, int ruutu, bool kaytossa) = 0;

    virtual void AsetaOsoitin(Osoitin osoitin) = 0;
    virtual void AsetaIkkunaKaytossa(bool kaytossa) = 0;
    // Whether "&Epäkelvot ruudut laivoja sijoiteltaessa" is checked now.
    virtual bool EpakelvotRuudutNakyvissa() const = 0;

    // A message box with one OK button.
    virtual void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) = 0;
    // A Yes/No question with No as the default button; true for Yes.
    virtual bool Kysy(const std::string& otsikko, const std::string& teksti) = 0;
    // The modal name entry; it settles the streak itself.
    virtual void NaytaKysyNimi() = 0;

    // Lets pending events run once.
    virtual void KasitteleTapahtumat() = 0;
    // The computer's pause: events keep running meanwhile. False when the
    // program is ending and the interrupted step must not go on.
    virtual bool Tauko() = 0;
};
