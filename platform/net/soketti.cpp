#include "platform/net/soketti.h"

#include "platform/net/jarjestelma.h"

std::uint16_t SoketinPortti(std::intptr_t soketti) {
    sockaddr_storage osoite{};
    socklen_t pituus = sizeof osoite;
    if (getsockname(Pistokkeena(soketti), reinterpret_cast<sockaddr*>(&osoite), &pituus) != 0)
        return 0;
    if (osoite.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in*>(&osoite)->sin_port);
    if (osoite.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&osoite)->sin6_port);
    return 0;
}
