#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "rules/Aani.h"
#include "sound/Aanikirjasto.h"

// The folder of the game's sounds: aanet/ beside the program in a build,
// ../share/games/morvak/ from the program's folder when installed.
std::optional<std::string> EtsiAanikansio(const std::string& ohjelmanKansio);

// The game's sounds as files, looked for when the first is played. A missing
// file is silence.
class Tiedostoaanet {
  public:
    // Hands a sound file to whatever plays it.
    using Soitto = std::function<void(const std::string& tiedosto)>;

    explicit Tiedostoaanet(std::string ohjelmanKansio)
        : ohjelmanKansio_(std::move(ohjelmanKansio)) {}

    void Soita(Aani aani);
    // Tests take the files from a folder of their own and count what would
    // have played, leaving the desktop's sound library unopened.
    void Korvaa(std::string kansio, Soitto soitto);

  private:
    std::optional<std::string> Tiedosto(Aani aani);

    std::string ohjelmanKansio_;
    bool etsitty_ = false;
    std::optional<std::string> kansio_;
    Soitto soitto_;
    Aanikirjasto kirjasto_;
};
