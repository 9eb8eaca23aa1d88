#include "platform/net/jarjestelma.h"
// Only after the socket types it is declared with.
#include <iphlpapi.h>

#include <cstring>

#include "platform/net/osoite.h"

namespace {

// Loopback reaches only this computer, and a link-local IPv6 address is no
// use typed without the interface it belongs to.
bool Tavoitettava(const sockaddr* osoite) {
    if (osoite->sa_family == AF_INET)
        return reinterpret_cast<const sockaddr_in*>(osoite)->sin_addr.s_net != 127;
    if (osoite->sa_family != AF_INET6) return false;
    const in6_addr& ip = reinterpret_cast<const sockaddr_in6*>(osoite)->sin6_addr;
    return !IN6_IS_ADDR_LOOPBACK(&ip) && !IN6_IS_ADDR_LINKLOCAL(&ip);
}

// The adapters' list, asked again while it grows between the calls.
std::vector<unsigned char> Sovittimet() {
    ULONG koko = 16384;
    std::vector<unsigned char> tila;
    for (int kerta = 0; kerta < 4; ++kerta) {
        tila.resize(koko);
        const ULONG tulos = GetAdaptersAddresses(
            AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
            nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(tila.data()), &koko);
        if (tulos == ERROR_SUCCESS) return tila;
        if (tulos != ERROR_BUFFER_OVERFLOW) break;
    }
    return {};
}

}  // namespace

std::vector<std::string> KoneenOsoitteet() {
    std::vector<std::string> osoitteet;
    std::vector<unsigned char> tila = Sovittimet();
    if (tila.empty()) return osoitteet;
    for (auto* sovitin = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(tila.data()); sovitin != nullptr;
         sovitin = sovitin->Next) {
        if (sovitin->OperStatus != IfOperStatusUp) continue;
        for (auto* ip = sovitin->FirstUnicastAddress; ip != nullptr; ip = ip->Next) {
            const SOCKET_ADDRESS& paikka = ip->Address;
            if (!Tavoitettava(paikka.lpSockaddr) ||
                static_cast<std::size_t>(paikka.iSockaddrLength) > sizeof(Osoite::tavut))
                continue;
            Osoite osoite;
            osoite.pituus = paikka.iSockaddrLength;
            std::memcpy(osoite.tavut.data(), paikka.lpSockaddr,
                        static_cast<std::size_t>(paikka.iSockaddrLength));
            if (std::string teksti = OsoiteTekstina(osoite); !teksti.empty())
                osoitteet.push_back(std::move(teksti));
        }
    }
    return osoitteet;
}
