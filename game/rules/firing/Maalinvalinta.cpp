#include "rules/firing/Maalinvalinta.h"

#include <algorithm>
#include <optional>
#include <ranges>

#include "rules/Ruudut.h"

namespace {

enum class Suunta { Vasen, Oikea, Ylos, Alas };

using Jarjestys = std::array<Suunta, 4>;

// Indexed by KohdeVaihe 1..8: both directions of one axis, then the other.
constexpr std::array<Jarjestys, 9> JARJESTYKSET{{
    {},
    {Suunta::Vasen, Suunta::Oikea, Suunta::Ylos, Suunta::Alas},
    {Suunta::Vasen, Suunta::Oikea, Suunta::Alas, Suunta::Ylos},
    {Suunta::Oikea, Suunta::Vasen, Suunta::Ylos, Suunta::Alas},
    {Suunta::Oikea, Suunta::Vasen, Suunta::Alas, Suunta::Ylos},
    {Suunta::Ylos, Suunta::Alas, Suunta::Vasen, Suunta::Oikea},
    {Suunta::Ylos, Suunta::Alas, Suunta::Oikea, Suunta::Vasen},
    {Suunta::Alas, Suunta::Ylos, Suunta::Vasen, Suunta::Oikea},
    {Suunta::Alas, Suunta::Ylos, Suunta::Oikea, Suunta::Vasen},
}};

constexpr int Askel(Suunta d) {
    switch (d) {
        case Suunta::Vasen:
            return -1;
        case Suunta::Oikea:
            return +1;
        case Suunta::Ylos:
            return -10;
        case Suunta::Alas:
            return +10;
    }
    return 0;
}

// A sideways step off an edge column lands on the opposite edge of the
// neighbouring row, so the landing column betrays it.
bool ReunaSallii(Suunta d, int c) {
    if (!OnRuudukossa(c)) return false;
    if (d == Suunta::Vasen) return Sarake(c) != 10;
    if (d == Suunta::Oikea) return Sarake(c) != 1;
    return true;
}

bool& Tutkittu(Pelitila& t, Suunta d) {
    switch (d) {
        case Suunta::Vasen:
            return t.VasenTutkittu;
        case Suunta::Oikea:
            return t.OikeaTutkittu;
        case Suunta::Ylos:
            return t.YlosTutkittu;
        case Suunta::Alas:
            break;
    }
    return t.AlasTutkittu;
}

bool Tunnettu(const Ruudukko& ruudut, int c) {
    return ruudut[c] == Sana::ohi || ruudut[c] == Sana::uponnut;
}

// Known squares are never shot again, and with ships kept off the edge
// neither is the ring, where the rules let no ship lie.
bool Ammuttava(const Pelitila& t, int c) {
    return !Tunnettu(t.PelaajanRuudut, c) && LaivaVoiOlla(c, t.LaivaSaaSijaitaReunassa);
}

// The hunt's next square, moving KohdeRuutu one further out; nothing when
// there is no hunt or its last direction has just run out.
std::optional<int> Jahtimaali(Pelitila& t) {
    if (!t.KohdeOsuma || t.KohdeVaihe < 1 || t.KohdeVaihe > 8) return std::nullopt;
    const Jarjestys& jarjestys = JARJESTYKSET[static_cast<std::size_t>(t.KohdeVaihe)];
    // A direction turned to in this very turn gets one shot even after a miss.
    std::array<bool, 4> kaannetty{};
    for (;;) {
        const auto d = std::find_if(jarjestys.begin(), jarjestys.end(),
                                    [&](Suunta s) { return !Tutkittu(t, s); });
        if (d == jarjestys.end()) return std::nullopt;
        const int c = t.KohdeRuutu;
        const bool jatkuu =
            t.KoneenViimeisinOsui == Osui::kylla || kaannetty[static_cast<std::size_t>(*d)];
        if (jatkuu && ReunaSallii(*d, c) && Ammuttava(t, c)) {
            t.KohdeRuutu = c + Askel(*d);
            return c;
        }
        Tutkittu(t, *d) = true;
        const auto e = d + 1;
        if (e == jarjestys.end()) return std::nullopt;
        t.KohdeRuutu = *t.KohdeOsuma + Askel(*e);
        kaannetty[static_cast<std::size_t>(*e)] = true;
    }
}

int Satunnaismaali(const Pelitila& t, Satunnaisluvut& arpa) {
    // Cannot happen with a whole fleet afloat, but drawing on would never end.
    if (std::ranges::none_of(std::views::iota(1, RUUTUJA + 1),
                             [&](int c) { return Ammuttava(t, c); }))
        return 0;
    for (;;) {
        const int c = arpa.Arvo(RUUTUJA) + 1;
        if (Ammuttava(t, c)) return c;
    }
}

}  // namespace

void UnohdaUponnutKohde(Pelitila& t) {
    if (!t.KohdeOsuma || !t.KoneUpottiLaivan) return;
    t.KohdeOsuma.reset();
    t.KohdeRuutu = 0;
    t.KohdeVaihe = 100;
}

int ValitseMaali(Pelitila& t, Satunnaisluvut& arpa) {
    UnohdaUponnutKohde(t);
    if (const auto maali = Jahtimaali(t)) return *maali;
    return Satunnaismaali(t, arpa);
}

void AloitaJahti(Pelitila& t, Satunnaisluvut& arpa, int osuma) {
    t.KohdeOsuma = osuma;
    t.VasenTutkittu = t.OikeaTutkittu = t.YlosTutkittu = t.AlasTutkittu = false;
    arpa.AlustaKellosta();
    t.KohdeVaihe = arpa.Arvo(8) + 1;
    t.KohdeRuutu = osuma + Askel(JARJESTYKSET[static_cast<std::size_t>(t.KohdeVaihe)][0]);
}
