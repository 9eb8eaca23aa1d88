#pragma once

#include "rules/Peli.h"
#include "rules/window/frmMorvakMalli.h"
#include "tests/support/NakymaTesti.h"

// The test face's answers reach the rules as a face hands them over: to the
// game's rules, or through the window's one entry point as an event.
struct Vastauskanava {
    Vastauskanava(NakymaTesti& n, Peli& p) {
        n.vastaa = [&p](bool kylla) { p.Vastattu(kylla); };
    }
    Vastauskanava(NakymaTesti& n, frmMorvakMalli& m) {
        n.vastaa = [&m](bool kylla) { m.Tapahtuu(Vastattu{kylla}); };
    }
};
