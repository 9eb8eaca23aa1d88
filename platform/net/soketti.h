#pragma once

#include <cstddef>
#include <cstdint>

// A socket as the transport and the faces pass it around: a file descriptor
// on Linux, a SOCKET on Windows.
inline constexpr std::intptr_t EI_SOKETTIA = -1;

// How one read or write on a non-blocking socket ended.
enum class Siirronloppu {
    Siirretty,  // some bytes went
    Odottaa,    // nothing can go now; the socket will say when
    Suljettu,   // the other end closed or reset the connection
    Vaikeni,    // the other end stopped answering (keepalive, unreachable)
};
struct Siirto {
    std::size_t tavuja;
    Siirronloppu loppu;
};

void SuljeSoketti(std::intptr_t soketti);

// The local port the socket is bound to, 0 when it is not.
std::uint16_t SoketinPortti(std::intptr_t soketti);
