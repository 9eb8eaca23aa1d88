#pragma once

#include <optional>
#include <span>

#include "rules/Komento.h"
#include "rules/Nakyma.h"

enum class Nappain { Ei, F1, F2, F3, Enter };

// One line of a menu. A separator has no command; its caption is "-".
struct Valikkokohta {
    const char* nimi;
    const char* teksti;  // ampersands mark the access keys
    std::optional<Komento> komento = std::nullopt;
    Nappain pikanappain = Nappain::Ei;
    bool valinta = false;  // carries a check mark
};

struct Valikko {
    const char* nimi;
    const char* teksti;
    std::span<const Valikkokohta> kohdat;
};

// The menu bar, left to right.
std::span<const Valikko> Valikot();

// A key that stands for a command outside the menus.
struct Nappainkomento {
    Nappain nappain;
    Komento komento;
};
std::span<const Nappainkomento> Nappainkomennot();

// The command behind each of the window's buttons cmdPainike(0) and (1).
Komento Painikekomento(int Index);

// Whether the command can be used as the state stands; everything else is
// always in reach.
bool Kaytossa(const Tilanne& tilanne, Komento komento);
// The check mark of a command that carries one.
std::optional<bool> Valittu(const Tilanne& tilanne, Komento komento);
