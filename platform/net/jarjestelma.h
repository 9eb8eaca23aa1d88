#pragma once

// What differs between BSD sockets and Winsock, for platform/net's own files.

#include <cstdint>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using Pistoke = SOCKET;
using Pituus = int;
inline constexpr int LAHETYSLIPUT = 0;
inline constexpr int EI_ENAA_LAHETETA = SD_SEND;
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
using Pistoke = int;
using Pituus = std::size_t;
// A closed connection is an error to see, not a signal to die of.
inline constexpr int LAHETYSLIPUT = MSG_NOSIGNAL;
inline constexpr int EI_ENAA_LAHETETA = SHUT_WR;
#endif

#include "platform/net/soketti.h"

inline Pistoke Pistokkeena(std::intptr_t soketti) { return static_cast<Pistoke>(soketti); }
inline std::intptr_t Sokettina(Pistoke pistoke) { return static_cast<std::intptr_t>(pistoke); }

// Starts the socket library once; false when it cannot be had.
bool SoketitKaytossa();

// A new socket of the kind, non-blocking and not inherited by child
// processes, or EI_SOKETTIA.
std::intptr_t UusiSoketti(int perhe, int tyyppi);
bool EiEstavaksi(Pistoke pistoke);
// The next connection waiting on the listener, made as UusiSoketti makes
// its sockets, or EI_SOKETTIA.
std::intptr_t OtaVastaan(Pistoke kuuntelija);

// The error of the last socket call, and what it means for a transfer.
int ViimeVirhe();
bool Estyisi(int virhe);
Siirronloppu Virheena(int virhe);

// The port may be listened on again at once, but never by two at a time.
void VaraaPortti(Pistoke pistoke);

// Keepalive: a vanished other end is noticed within 30 seconds.
void PidaElossa(Pistoke pistoke);
