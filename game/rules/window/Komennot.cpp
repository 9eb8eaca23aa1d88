#include "rules/window/Komennot.h"

#include <array>

namespace {

// The trailing spaces of some captions keep their menus wide, as they always were.
constexpr std::array<Valikkokohta, 5> TIEDOSTO{{
    {"mUusiPeli", "&Uusi peli    ", Komento::UusiPeli, Nappain::F2},
    {"mSijoitaLaivatSatunnaisesti", "&Sijoita laivat satunnaisesti",
     Komento::SijoitaLaivatSatunnaisesti, Nappain::F3},
    {"mVerkkopeli", "&Verkkopeli...", Komento::Verkkopeli},
    {"vTiedosto", "-", std::nullopt},
    {"mLopeta", "&Lopeta", Komento::Lopeta},
}};

constexpr std::array<Valikkokohta, 8> NAYTA{{
    {"mNaytaPainikkeet", "&Ikkunan alalaidan painikkeet    ", Komento::NaytaPainikkeet, Nappain::Ei,
     true},
    {"mNaytaMahdottomatLaivaruudut", "&Epäkelvot ruudut laivoja sijoiteltaessa",
     Komento::NaytaMahdottomatLaivaruudut, Nappain::Ei, true},
    {"mAanet", "&Äänet", Komento::Aanet, Nappain::Ei, true},
    {"mNaytaLaivastot", "&Laivastot", Komento::NaytaLaivastot, Nappain::Ei, true},
    {"vNayta", "-", std::nullopt},
    {"mNaytaParhaatTulokset", "&Parhaat tulokset...", Komento::NaytaParhaatTulokset},
    {"mNaytaTilastot", "&Tilastot...", Komento::NaytaTilastot},
    {"mNaytaAsetukset", "&Asetukset...", Komento::NaytaAsetukset},
}};

constexpr std::array<Valikkokohta, 7> OHJE{{
    {"mReadmeOhje", "&Readme-ohje", Komento::ReadmeOhje, Nappain::F1},
    {"vOhje", "-", std::nullopt},
    {"mOhjelmapaivitykset", "Ohjelma&päivitykset...", Komento::Ohjelmapaivitykset},
    {"mPalautettaOhjelmasta", "P&alautetta ohjelmasta...    ", Komento::PalautettaOhjelmasta},
    {"mVirheilmoitukset", "&Virheilmoitukset...", Komento::Virheilmoitukset},
    {"vOhje2", "-", std::nullopt},
    {"mTietojaOhjelmasta", "&Tietoja ohjelmasta...", Komento::TietojaOhjelmasta},
}};

constexpr std::array<Valikko, 3> VALIKOT{{
    {"mnuTiedosto", "&Tiedosto", TIEDOSTO},
    {"mnuNayta", "&Näytä", NAYTA},
    {"mnuOhje", "&Ohje", OHJE},
}};

// Enter that no focused control takes presses the window's default button.
constexpr std::array<Nappainkomento, 1> NAPPAIMET{{{Nappain::Enter, Komento::UusiPeliPainike}}};

}  // namespace

std::span<const Valikko> Valikot() { return VALIKOT; }

std::span<const Nappainkomento> Nappainkomennot() { return NAPPAIMET; }

Komento Painikekomento(int Index) {
    return Index == 0 ? Komento::UusiPeliPainike : Komento::LopetaPainike;
}

bool Kaytossa(const Tilanne& tilanne, Komento komento) {
    switch (komento) {
        case Komento::UusiPeli:
        case Komento::Verkkopeli:
        case Komento::UusiPeliPainike:
        case Komento::LopetaPainike:
            return tilanne.UusiPeliKaytossa;
        case Komento::SijoitaLaivatSatunnaisesti:
            return tilanne.PelaajaSijoittaa;
        default:
            return true;
    }
}

std::optional<bool> Valittu(const Tilanne& tilanne, Komento komento) {
    if (komento == Komento::NaytaPainikkeet) return tilanne.NaytaPainikkeet;
    if (komento == Komento::NaytaMahdottomatLaivaruudut) return tilanne.NaytaMahdottomatLaivaruudut;
    if (komento == Komento::Aanet) return tilanne.Aanet;
    if (komento == Komento::NaytaLaivastot) return tilanne.NaytaLaivastot;
    return std::nullopt;
}
