#pragma once

#include <cstdint>
#include <span>

#include "platform/net/osoite.h"
#include "platform/net/soketti.h"

// Listens on the port on every address, IPv6 and IPv4 alike where the system
// allows both; EI_SOKETTIA when the port cannot be had.
std::intptr_t KuunteleTcp(std::uint16_t portti);

// The next connection waiting on the listener, non-blocking and kept alive,
// or EI_SOKETTIA when none waits.
std::intptr_t HyvaksyTcp(std::intptr_t kuuntelija);

// Starts connecting without waiting; EI_SOKETTIA when it cannot even start.
// The socket becomes writable when the attempt has ended either way.
std::intptr_t AloitaYhteys(const Osoite& kohde);

enum class Yhteydentila { Kesken, Valmis, Epaonnistui };
Yhteydentila YhteydenTila(std::intptr_t soketti);

Siirto LueTcp(std::intptr_t soketti, std::span<char> puskuri);
Siirto KirjoitaTcp(std::intptr_t soketti, std::span<const char> tavut);

// Ends the connection so that what was written still goes: no more sending,
// what has arrived read away so that no reset overtakes it, then closed.
void LopetaTcp(std::intptr_t soketti);
