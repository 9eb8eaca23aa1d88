#include "sound/Tiedostoaanet.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* Nimi(Aani aani) {
    switch (aani) {
        case Aani::Ohi:
            return "ohi.wav";
        case Aani::Osuma:
            return "osuma.wav";
        case Aani::Uppoaminen:
            return "uppoaminen.wav";
        case Aani::Voitto:
            return "voitto.wav";
        case Aani::Tappio:
            break;
    }
    return "tappio.wav";
}

}  // namespace

void Tiedostoaanet::Soita(Aani aani) {
    const auto tiedosto = Tiedosto(aani);
    if (!tiedosto) return;
    if (soitto_) {
        soitto_(*tiedosto);
    } else {
        kirjasto_.Soita(*tiedosto);
    }
}

void Tiedostoaanet::Korvaa(std::string kansio, Soitto soitto) {
    etsitty_ = true;
    kansio_ = std::move(kansio);
    soitto_ = std::move(soitto);
}

std::optional<std::string> EtsiAanikansio(const std::string& ohjelmanKansio) {
    for (const char* paikka : {"aanet", "../share/games/morvak"}) {
        std::error_code virhe;
        const fs::path kansio = fs::path(ohjelmanKansio) / paikka;
        if (fs::is_regular_file(kansio / Nimi(Aani::Ohi), virhe))
            return kansio.lexically_normal().string();
    }
    return std::nullopt;
}

std::optional<std::string> Tiedostoaanet::Tiedosto(Aani aani) {
    if (!etsitty_) {
        etsitty_ = true;
        kansio_ = EtsiAanikansio(ohjelmanKansio_);
    }
    if (!kansio_) return std::nullopt;
    return (fs::path(*kansio_) / Nimi(aani)).string();
}
