#include "platform/net/osoite.h"

#include <cstring>
#include <string>

#include "platform/net/jarjestelma.h"

static_assert(sizeof(sockaddr_storage) <= sizeof(Osoite::tavut));

namespace {

std::vector<Osoite> Osoitteet(const std::string& nimi, std::uint16_t portti, int liput) {
    std::vector<Osoite> osoitteet;
    if (nimi.empty() || !SoketitKaytossa()) return osoitteet;
    addrinfo toive{};
    toive.ai_flags = liput;
    toive.ai_family = AF_UNSPEC;
    toive.ai_socktype = SOCK_STREAM;
    addrinfo* loydetyt = nullptr;
    if (getaddrinfo(nimi.c_str(), std::to_string(portti).c_str(), &toive, &loydetyt) != 0)
        return osoitteet;
    for (const addrinfo* kohta = loydetyt; kohta != nullptr; kohta = kohta->ai_next) {
        if (kohta->ai_addrlen > sizeof(Osoite::tavut)) continue;
        Osoite osoite;
        std::memcpy(osoite.tavut.data(), kohta->ai_addr, kohta->ai_addrlen);
        osoite.pituus = static_cast<int>(kohta->ai_addrlen);
        osoitteet.push_back(osoite);
    }
    freeaddrinfo(loydetyt);
    return osoitteet;
}

}  // namespace

std::vector<Osoite> Ratkaise(const std::string& nimi, std::uint16_t portti) {
    return Osoitteet(nimi, portti, 0);
}

std::vector<Osoite> RatkaiseNumero(const std::string& nimi, std::uint16_t portti) {
    return Osoitteet(nimi, portti, AI_NUMERICHOST);
}

std::string OsoiteTekstina(const Osoite& osoite) {
    sockaddr_storage tallenne{};
    std::memcpy(&tallenne, osoite.tavut.data(), sizeof tallenne);
    char teksti[NI_MAXHOST] = {};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&tallenne),
                    static_cast<socklen_t>(osoite.pituus), teksti, sizeof teksti, nullptr, 0,
                    NI_NUMERICHOST) != 0)
        return {};
    return teksti;
}
