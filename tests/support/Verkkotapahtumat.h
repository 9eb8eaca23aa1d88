#pragma once

// What a transport handed to the rules, as short texts a test can list
// literally.

#include <functional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "rules/window/Tapahtuma.h"

inline std::string Katkoksen(Katkos syy) {
    switch (syy) {
        case Katkos::Suljettu:
            return "Suljettu";
        case Katkos::EiYhteytta:
            return "EiYhteytta";
        case Katkos::Virheellinen:
            return "Virheellinen";
        case Katkos::Hiljaisuus:
            return "Hiljaisuus";
    }
    return "?";
}

inline std::string Verkkotapahtumana(const Tapahtuma& tapahtuma) {
    return std::visit(
        [](const auto& t) -> std::string {
            using T = std::decay_t<decltype(t)>;
            if constexpr (std::is_same_v<T, VerkkoYhdistetty>) return "Yhdistetty";
            if constexpr (std::is_same_v<T, VerkkoRivi>) return "Rivi " + t.rivi;
            if constexpr (std::is_same_v<T, VerkkoKatkesi>) return "Katkesi " + Katkoksen(t.syy);
            if constexpr (std::is_same_v<T, PeliLoytyi>) return "Löytyi " + t.nimi + " " + t.osoite;
            return "muu";
        },
        tapahtuma);
}

// Records a transport's events in the order they came.
struct Verkkokuulija {
    std::vector<std::string> tapahtumat;
    std::function<void(Tapahtuma)> Kohde() {
        return [this](Tapahtuma t) { tapahtumat.push_back(Verkkotapahtumana(t)); };
    }
};
