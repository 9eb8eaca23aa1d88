#include "rules/results/Tilastomuoto.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "rules/network/Utf8.h"

namespace {

constexpr std::string_view VERSIO = "1";
constexpr std::size_t NIMEN_TAVUT = 64;

std::vector<std::string_view> Osat(std::string_view teksti, char erotin) {
    std::vector<std::string_view> osat;
    for (std::size_t alku = 0;;) {
        const std::size_t loppu = teksti.find(erotin, alku);
        osat.push_back(teksti.substr(alku, loppu - alku));
        if (loppu == std::string_view::npos) return osat;
        alku = loppu + 1;
    }
}

// Decimal as it is written: no sign, no leading zero, at most RAJA.
std::optional<int> Luku(std::string_view osa) {
    if (osa.empty() || osa.size() > 9 || (osa.size() > 1 && osa[0] == '0')) return std::nullopt;
    int luku = 0;
    for (const char merkki : osa) {
        if (merkki < '0' || merkki > '9') return std::nullopt;
        luku = luku * 10 + (merkki - '0');
    }
    return luku;
}

bool Luvut(const std::vector<std::string_view>& osat, std::size_t alku,
           std::initializer_list<int*> kohteet) {
    for (int* kohde : kohteet) {
        const auto luku = Luku(osat[alku++]);
        if (!luku) return false;
        *kohde = *luku;
    }
    return true;
}

bool Tulos(char merkki) { return merkki == 'V' || merkki == 'H' || merkki == 'K'; }

// Whatever counts the figures hold of one another.
bool Sopusoinnussa(const Tilastot& s) {
    const long long jakaumassa = std::accumulate(s.jakauma.begin(), s.jakauma.end(), 0LL);
    const bool vahimmat = s.voitot == 0 ? s.vahimmat == 0 : s.vahimmat >= 20 && s.vahimmat <= 100;
    return static_cast<long long>(s.voitot) + s.tappiot <= s.pelatut && s.osumat <= s.laukaukset &&
           jakaumassa == s.voitot && vahimmat &&
           s.viimeiset.size() <= std::min<std::size_t>(Tilastot::VIIMEISIA, s.pelatut) &&
           std::ranges::all_of(s.viimeiset, Tulos);
}

bool Suora(unsigned char tavu) { return tavu > ' ' && tavu < 0x7F && tavu != '%'; }

std::string Koodattu(const std::string& nimi) {
    constexpr const char* HEKSA = "0123456789ABCDEF";
    std::string koodattu;
    for (const unsigned char tavu : nimi) {
        if (Suora(tavu)) {
            koodattu += static_cast<char>(tavu);
        } else {
            koodattu += {'%', HEKSA[tavu >> 4], HEKSA[tavu & 0xF]};
        }
    }
    return koodattu;
}

int Heksa(char merkki) {
    if (merkki >= '0' && merkki <= '9') return merkki - '0';
    if (merkki >= 'A' && merkki <= 'F') return merkki - 'A' + 10;
    return -1;
}

// A name as a friend's program could have sent it: well-formed UTF-8 with
// no control character, each byte written one way only.
std::optional<std::string> Nimi(std::string_view koodattu) {
    std::string nimi;
    for (std::size_t i = 0; i < koodattu.size(); ++i) {
        const auto merkki = static_cast<unsigned char>(koodattu[i]);
        if (merkki != '%') {
            if (!Suora(merkki)) return std::nullopt;
            nimi += koodattu[i];
            continue;
        }
        if (i + 2 >= koodattu.size()) return std::nullopt;
        const int yla = Heksa(koodattu[i + 1]);
        const int ala = Heksa(koodattu[i + 2]);
        if (yla < 0 || ala < 0 || Suora(static_cast<unsigned char>(yla * 16 + ala)))
            return std::nullopt;
        nimi += static_cast<char>(yla * 16 + ala);
        i += 2;
    }
    const auto koodipisteet = Koodipisteet(nimi);
    const bool ohjausmerkki = std::ranges::any_of(
        koodipisteet, [](char32_t m) { return m < 0x20 || (m >= 0x7F && m < 0xA0); });
    if (nimi.empty() || nimi.size() > NIMEN_TAVUT || !KelvollinenUtf8(nimi) || ohjausmerkki)
        return std::nullopt;
    return nimi;
}

}  // namespace

std::string Tilastoteksti(const Tilastot& s) {
    std::string teksti(VERSIO);
    for (const int luku :
         {s.pelatut, s.voitot, s.tappiot, s.laukaukset, s.osumat, s.vahimmat, s.koneenLaukaukset})
        teksti += " " + std::to_string(luku);
    for (std::size_t i = 0; i < s.jakauma.size(); ++i)
        teksti += (i == 0 ? " " : ",") + std::to_string(s.jakauma[i]);
    return teksti + " " + (s.viimeiset.empty() ? "-" : s.viimeiset);
}

std::optional<Tilastot> LueTilastoteksti(std::string_view teksti) {
    const auto osat = Osat(teksti, ' ');
    if (osat.size() != 10 || osat[0] != VERSIO) return std::nullopt;
    Tilastot s;
    if (!Luvut(osat, 1,
               {&s.pelatut, &s.voitot, &s.tappiot, &s.laukaukset, &s.osumat, &s.vahimmat,
                &s.koneenLaukaukset}))
        return std::nullopt;
    const auto jakauma = Osat(osat[8], ',');
    if (jakauma.size() != s.jakauma.size()) return std::nullopt;
    for (std::size_t i = 0; i < jakauma.size(); ++i) {
        const auto luku = Luku(jakauma[i]);
        if (!luku) return std::nullopt;
        s.jakauma[i] = *luku;
    }
    if (osat[9] != "-") s.viimeiset = osat[9];
    if (s.viimeiset.empty() != (osat[9] == "-") || !Sopusoinnussa(s)) return std::nullopt;
    return s;
}

std::string Verkkoteksti(const Verkkotilastot& tilastot) {
    std::string teksti(VERSIO);
    for (const Ystavatilasto& ystava : tilastot) {
        teksti += " " + Koodattu(ystava.nimi) + " " + std::to_string(ystava.pelatut) + " " +
                  std::to_string(ystava.voitot);
    }
    return teksti;
}

std::optional<Verkkotilastot> LueVerkkoteksti(std::string_view teksti) {
    const auto osat = Osat(teksti, ' ');
    if (osat[0] != VERSIO || osat.size() % 3 != 1 || osat.size() / 3 > YSTAVIA) return std::nullopt;
    Verkkotilastot tilastot;
    for (std::size_t i = 1; i < osat.size(); i += 3) {
        Ystavatilasto ystava;
        const auto nimi = Nimi(osat[i]);
        if (!nimi || !Luvut(osat, i + 1, {&ystava.pelatut, &ystava.voitot}) ||
            ystava.voitot > ystava.pelatut || ystava.pelatut == 0 ||
            std::ranges::find(tilastot, *nimi, &Ystavatilasto::nimi) != tilastot.end())
            return std::nullopt;
        ystava.nimi = *nimi;
        tilastot.push_back(std::move(ystava));
    }
    return tilastot;
}
