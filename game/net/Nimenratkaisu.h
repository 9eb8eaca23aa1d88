#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/net/osoite.h"

// How a host name becomes addresses at a port: the system's lookup, unless a
// test stands in for the name server.
using Ratkaisija = std::function<std::vector<Osoite>(const std::string&, std::uint16_t)>;

// One host name looked up on a thread of its own: the system's lookup may
// wait seconds for a name server, and the window's thread must not wait with
// it. The answer is told the way the face hears of everything else, by a
// socket of its own becoming readable.
class Nimenratkaisu {
  public:
    // Null when no socket or thread could be had for it.
    static std::unique_ptr<Nimenratkaisu> Aloita(const Ratkaisija& ratkaisija,
                                                 const std::string& nimi, std::uint16_t portti);
    // A lookup still under way cannot be stopped, only abandoned: its answer
    // then goes nowhere and its thread ends on its own.
    ~Nimenratkaisu();
    Nimenratkaisu(const Nimenratkaisu&) = delete;
    Nimenratkaisu& operator=(const Nimenratkaisu&) = delete;

    // The socket to watch for reading.
    std::intptr_t Kahva() const;
    // The addresses once the lookup has ended, in the order the system
    // prefers; nothing while it still goes on.
    std::optional<std::vector<Osoite>> Tulos();

  private:
    struct Tila;
    explicit Nimenratkaisu(std::shared_ptr<Tila> tila);

    std::shared_ptr<Tila> tila_;
};
