#pragma once

// Everything the main window can be asked to do: its menu commands, its two
// buttons and the keys that stand for them.
enum class Komento {
    UusiPeli,
    SijoitaLaivatSatunnaisesti,
    Verkkopeli,
    Lopeta,
    NaytaPainikkeet,
    NaytaMahdottomatLaivaruudut,
    Aanet,
    NaytaLaivastot,
    NaytaParhaatTulokset,
    NaytaTilastot,
    NaytaAsetukset,
    ReadmeOhje,
    Ohjelmapaivitykset,
    PalautettaOhjelmasta,
    Virheilmoitukset,
    TietojaOhjelmasta,
    UusiPeliPainike,  // cmdPainike(0)
    // cmdPainike(1), and the last: what was shown of the commands is kept
    // for each up to it.
    LopetaPainike,
};
