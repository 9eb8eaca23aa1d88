#include <ifaddrs.h>
#include <net/if.h>

#include <cstring>

#include "platform/net/jarjestelma.h"
#include "platform/net/osoite.h"

namespace {

// Loopback reaches only this computer, and a link-local IPv6 address is no
// use typed without the interface it belongs to.
bool Tavoitettava(const sockaddr* osoite) {
    if (osoite->sa_family == AF_INET)
        return (ntohl(reinterpret_cast<const sockaddr_in*>(osoite)->sin_addr.s_addr) >> 24) != 127;
    if (osoite->sa_family != AF_INET6) return false;
    const in6_addr& ip = reinterpret_cast<const sockaddr_in6*>(osoite)->sin6_addr;
    return !IN6_IS_ADDR_LOOPBACK(&ip) && !IN6_IS_ADDR_LINKLOCAL(&ip);
}

}  // namespace

std::vector<std::string> KoneenOsoitteet() {
    std::vector<std::string> osoitteet;
    ifaddrs* liitynnat = nullptr;
    if (getifaddrs(&liitynnat) != 0) return osoitteet;
    for (const ifaddrs* kohta = liitynnat; kohta != nullptr; kohta = kohta->ifa_next) {
        if (kohta->ifa_addr == nullptr || (kohta->ifa_flags & IFF_UP) == 0 ||
            !Tavoitettava(kohta->ifa_addr))
            continue;
        Osoite osoite;
        osoite.pituus =
            kohta->ifa_addr->sa_family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6);
        std::memcpy(osoite.tavut.data(), kohta->ifa_addr, static_cast<std::size_t>(osoite.pituus));
        if (std::string teksti = OsoiteTekstina(osoite); !teksti.empty())
            osoitteet.push_back(std::move(teksti));
    }
    freeifaddrs(liitynnat);
    return osoitteet;
}
