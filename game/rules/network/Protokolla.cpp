#include "rules/network/Protokolla.h"

#include <algorithm>
#include <charconv>

#include "rules/network/Utf8.h"

using namespace viestit;

namespace {

constexpr std::string_view TERVEHDYS = "MORVAK";
constexpr std::array<std::string_view, 3> AVAAJAT{"ISANTA", "VIERAS", "ARVONTA"};

// Splits at single spaces; an empty word (two spaces, a space at an end)
// makes the line no message.
std::vector<std::string_view> Sanat(std::string_view rivi) {
    std::vector<std::string_view> sanat;
    std::size_t alku = 0;
    while (true) {
        const std::size_t vali = rivi.find(' ', alku);
        sanat.push_back(rivi.substr(alku, vali - alku));
        if (vali == std::string_view::npos) break;
        alku = vali + 1;
    }
    return sanat;
}

// Decimal digits without a leading zero, within [pienin, suurin].
std::optional<int> Luku(std::string_view sana, int pienin, int suurin) {
    if (sana.empty() || sana.size() > 9 || (sana.size() > 1 && sana[0] == '0')) return std::nullopt;
    if (!std::ranges::all_of(sana, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int luku = 0;
    std::from_chars(sana.data(), sana.data() + sana.size(), luku);
    if (luku < pienin || luku > suurin) return std::nullopt;
    return luku;
}

std::optional<int> Ruutu(std::string_view sana) { return Luku(sana, 1, 100); }

// Lower-case hexadecimal, exactly two digits a byte.
template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> Tavut(std::string_view sana) {
    if (sana.size() != 2 * N) return std::nullopt;
    const auto arvo = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::array<std::uint8_t, N> tavut{};
    for (std::size_t i = 0; i < N; ++i) {
        const int yla = arvo(sana[2 * i]);
        const int ala = arvo(sana[2 * i + 1]);
        if (yla < 0 || ala < 0) return std::nullopt;
        tavut[i] = static_cast<std::uint8_t>(yla * 16 + ala);
    }
    return tavut;
}

template <std::size_t N>
std::string Heksana(const std::array<std::uint8_t, N>& tavut) {
    constexpr std::string_view NUMEROT = "0123456789abcdef";
    std::string teksti;
    for (std::uint8_t tavu : tavut) {
        teksti += NUMEROT[tavu / 16];
        teksti += NUMEROT[tavu % 16];
    }
    return teksti;
}

// The control characters, and those that turn the direction of the text
// around them: a name could otherwise rewrite the sentence it is shown in.
bool Ohjausmerkki(char32_t merkki) {
    return merkki < 0x20 || (merkki >= 0x7F && merkki <= 0x9F) ||
           (merkki >= 0x202A && merkki <= 0x202E) || (merkki >= 0x2066 && merkki <= 0x2069);
}

std::optional<bool> Kytkin(std::string_view sana) {
    if (sana == "0") return false;
    if (sana == "1") return true;
    return std::nullopt;
}

// "MORVAK <versio> <nimi>". A greeting of another version is still read as
// one, whatever follows its number, so that the player hears why.
std::optional<Viesti> TulkitseTervehdys(std::string_view rivi) {
    const std::size_t vali = rivi.find(' ', TERVEHDYS.size() + 1);
    const auto versio =
        Luku(rivi.substr(TERVEHDYS.size() + 1, vali - TERVEHDYS.size() - 1), 0, 999999999);
    if (!versio) return std::nullopt;
    if (*versio != PROTOKOLLAN_VERSIO) return Tervehdys{*versio, {}};
    if (vali == std::string_view::npos) return std::nullopt;
    const std::string_view nimi = rivi.substr(vali + 1);
    if (!KelvollinenNimi(nimi)) return std::nullopt;
    return Tervehdys{*versio, std::string(nimi)};
}

std::optional<Viesti> TulkitseEhdot(const std::vector<std::string_view>& s) {
    if (s.size() != 5) return std::nullopt;
    const auto kulmat = Kytkin(s[1]);
    const auto reuna = Kytkin(s[2]);
    const auto avaaja = std::ranges::find(AVAAJAT, s[3]);
    const auto sinetti = Tavut<32>(s[4]);
    if (!kulmat || !reuna || avaaja == AVAAJAT.end() || !sinetti) return std::nullopt;
    return Peliehdot{*kulmat, *reuna, static_cast<Avaaja>(avaaja - AVAAJAT.begin()), *sinetti};
}

std::optional<Viesti> TulkitseUpposi(const std::vector<std::string_view>& s) {
    if (s.size() < 2 || s.size() > 5) return std::nullopt;
    Upposi upposi;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const auto ruutu = Ruutu(s[i]);
        if (!ruutu) return std::nullopt;
        upposi.ruudut.push_back(*ruutu);
    }
    return upposi;
}

std::optional<Viesti> TulkitsePaljastus(const std::vector<std::string_view>& s) {
    if (s.size() != 3) return std::nullopt;
    const auto kertakoodi = Tavut<16>(s[1]);
    if (!kertakoodi) return std::nullopt;
    return Paljasta{*kertakoodi, std::string(s[2])};
}

template <class T>
std::optional<Viesti> Yksin(const std::vector<std::string_view>& s) {
    if (s.size() != 1) return std::nullopt;
    return T{};
}

template <class T, std::size_t N>
std::optional<Viesti> Arvolla(const std::vector<std::string_view>& s) {
    if (s.size() != 2) return std::nullopt;
    if (const auto tavut = Tavut<N>(s[1])) return T{*tavut};
    return std::nullopt;
}

std::optional<Viesti> TulkitseSanat(const std::vector<std::string_view>& s) {
    const std::string_view avain = s[0];
    if (avain == "PELI") return TulkitseEhdot(s);
    if (avain == "ARPA") return Arvolla<Arpa, 16>(s);
    if (avain == "VALMIS") return Arvolla<Valmis, 32>(s);
    if (avain == "ALOITA") return Arvolla<Aloita, 16>(s);
    if (avain == "AMMU") {
        if (s.size() != 2) return std::nullopt;
        if (const auto ruutu = Ruutu(s[1])) return Ammu{*ruutu};
        return std::nullopt;
    }
    if (avain == "OHI") return Yksin<Ohi>(s);
    if (avain == "OSUI") return Yksin<Osui>(s);
    if (avain == "UPPOSI") return TulkitseUpposi(s);
    if (avain == "PALJASTA") return TulkitsePaljastus(s);
    if (avain == "UUSI") return Yksin<Uusi>(s);
    if (avain == "EI") return Yksin<EiUutta>(s);
    if (avain == "LOPETA") return Yksin<Lopeta>(s);
    if (avain == "VARATTU") return Yksin<Varattu>(s);
    return std::nullopt;
}

struct Muotoilija {
    std::string operator()(const Tervehdys& v) const {
        return "MORVAK " + std::to_string(v.versio) + " " + v.nimi;
    }
    std::string operator()(const Peliehdot& v) const {
        return std::string("PELI ") + (v.kulmatSaavatKoskettaa ? "1 " : "0 ") +
               (v.reunaSallittu ? "1 " : "0 ") +
               std::string(AVAAJAT[static_cast<std::size_t>(v.avaaja)]) + " " +
               Heksana(v.arvonnanSinetti);
    }
    std::string operator()(const Arpa& v) const { return "ARPA " + Heksana(v.arvo); }
    std::string operator()(const Valmis& v) const { return "VALMIS " + Heksana(v.sitoumus); }
    std::string operator()(const Aloita& v) const { return "ALOITA " + Heksana(v.arvo); }
    std::string operator()(const Ammu& v) const { return "AMMU " + std::to_string(v.ruutu); }
    std::string operator()(const Ohi&) const { return "OHI"; }
    std::string operator()(const Osui&) const { return "OSUI"; }
    std::string operator()(const Upposi& v) const {
        std::string rivi = "UPPOSI";
        for (int ruutu : v.ruudut) rivi += " " + std::to_string(ruutu);
        return rivi;
    }
    std::string operator()(const Paljasta& v) const {
        return "PALJASTA " + Heksana(v.kertakoodi) + " " + v.laivasto;
    }
    std::string operator()(const Uusi&) const { return "UUSI"; }
    std::string operator()(const EiUutta&) const { return "EI"; }
    std::string operator()(const Lopeta&) const { return "LOPETA"; }
    std::string operator()(const Varattu&) const { return "VARATTU"; }
};

}  // namespace

std::optional<Viesti> Tulkitse(std::string_view rivi) {
    if (rivi.starts_with(TERVEHDYS) && rivi.size() > TERVEHDYS.size() &&
        rivi[TERVEHDYS.size()] == ' ')
        return TulkitseTervehdys(rivi);
    const auto sanat = Sanat(rivi);
    if (std::ranges::any_of(sanat, [](std::string_view s) { return s.empty(); }))
        return std::nullopt;
    return TulkitseSanat(sanat);
}

std::string Muotoile(const Viesti& viesti) { return std::visit(Muotoilija{}, viesti); }

bool KelvollinenNimi(std::string_view nimi) {
    if (nimi.empty() || nimi.front() == ' ' || nimi.back() == ' ' || !KelvollinenUtf8(nimi))
        return false;
    const std::u32string merkit = Koodipisteet(nimi);
    return merkit.size() <= static_cast<std::size_t>(NIMEN_MERKIT) &&
           std::ranges::none_of(merkit, Ohjausmerkki);
}
