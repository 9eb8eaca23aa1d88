#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The lines two programs say to each other in a network game, one message a
// line. docs/VERKKOPROTOKOLLA.md describes them for other programs.

inline constexpr int PROTOKOLLAN_VERSIO = 1;
// The most characters of a player's name, as the name entry takes them.
inline constexpr int NIMEN_MERKIT = 16;

using Tiiviste = std::array<std::uint8_t, 32>;
using Kertakoodi = std::array<std::uint8_t, 16>;

namespace viestit {

// Who opens the firing, as the host's setting decides it for the game.
enum class Avaaja { Isanta, Vieras, Arvonta };

// "MORVAK <versio> <nimi>": the greeting, the joining side's first.
struct Tervehdys {
    int versio = 0;
    std::string nimi;
};
// The host's rules for the game to come and its sealed part of the draw.
struct Peliehdot {
    bool kulmatSaavatKoskettaa = false;
    bool reunaSallittu = true;
    Avaaja avaaja = Avaaja::Isanta;
    Tiiviste arvonnanSinetti{};
};
// The joining side's part of the draw, in the open.
struct Arpa {
    Kertakoodi arvo{};
};
// The fleet is laid; its commitment.
struct Valmis {
    Tiiviste sitoumus{};
};
// Both fleets are laid: firing begins. The host's part of the draw revealed.
struct Aloita {
    Kertakoodi arvo{};
};
struct Ammu {
    int ruutu = 0;
};
struct Ohi {};
struct Osui {};
// The shot sank a ship: all of its squares.
struct Upposi {
    std::vector<int> ruudut;
};
// The game has ended: the fleet as committed, and its nonce.
struct Paljasta {
    Kertakoodi kertakoodi{};
    std::string laivasto;
};
// A new game, asked for or agreed to.
struct Uusi {};
// A new game refused.
struct EiUutta {};
struct Lopeta {};
// The host already has an opponent.
struct Varattu {};

using Viesti = std::variant<Tervehdys, Peliehdot, Arpa, Valmis, Aloita, Ammu, Ohi, Osui, Upposi,
                            Paljasta, Uusi, EiUutta, Lopeta, Varattu>;

}  // namespace viestit

// The message of a line; nothing when the line is no message of this
// protocol, down to a stray space or a leading zero.
std::optional<viestit::Viesti> Tulkitse(std::string_view rivi);
std::string Muotoile(const viestit::Viesti& viesti);

// A name another player may show: one to NIMEN_MERKIT characters of UTF-8,
// no control or direction-changing characters, no space at either end.
bool KelvollinenNimi(std::string_view nimi);
