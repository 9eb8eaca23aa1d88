#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/net/osoite.h"
#include "platform/net/soketti.h"

// An IPv4 UDP socket bound to the port on every address (0: any free port),
// non-blocking and allowed to broadcast; EI_SOKETTIA when it cannot be had.
std::intptr_t AvaaUdp(std::uint16_t portti);

// The same bound to 127.0.0.1 alone, so that nothing from outside this
// computer reaches it.
std::intptr_t AvaaSilmukkaUdp(std::uint16_t portti);

// Sends one datagram; false when the system would not take it.
bool LahetaUdp(std::intptr_t soketti, const Osoite& kohde, std::span<const char> tavut);

struct Datagrammi {
    std::string tavut;
    Osoite lahettaja;
};
// The next datagram waiting, or nothing.
std::optional<Datagrammi> VastaanotaUdp(std::intptr_t soketti);
