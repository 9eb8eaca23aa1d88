#pragma once

// How a save went. Only a stored save reads as true. One that met another
// copy of the game's lock on the store changed nothing there, and the same
// save can be made again once that copy is done.
struct Tallennustulos {
    enum Laji { Tallessa, Epaonnistui, Varattu };
    Laji laji;

    static Tallennustulos Kun(bool tallessa, bool varattu) {
        return {tallessa ? Tallessa : varattu ? Varattu : Epaonnistui};
    }
    explicit operator bool() const { return laji == Tallessa; }
};
