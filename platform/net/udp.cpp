#include "platform/net/udp.h"

#include <array>
#include <cstring>

#include "platform/net/jarjestelma.h"

namespace {

std::intptr_t AvaaUdpOsoitteeseen(std::uint32_t paikallinen, std::uint16_t portti) {
    const std::intptr_t soketti = UusiSoketti(AF_INET, SOCK_DGRAM);
    if (soketti == EI_SOKETTIA) return EI_SOKETTIA;
    const Pistoke pistoke = Pistokkeena(soketti);
    const int kylla = 1;
    setsockopt(pistoke, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&kylla),
               sizeof kylla);
    sockaddr_in osoite{};
    osoite.sin_family = AF_INET;
    osoite.sin_addr.s_addr = htonl(paikallinen);
    osoite.sin_port = htons(portti);
    if (bind(pistoke, reinterpret_cast<const sockaddr*>(&osoite), sizeof osoite) == 0)
        return soketti;
    SuljeSoketti(soketti);
    return EI_SOKETTIA;
}

}  // namespace

std::intptr_t AvaaUdp(std::uint16_t portti) { return AvaaUdpOsoitteeseen(INADDR_ANY, portti); }

std::intptr_t AvaaSilmukkaUdp(std::uint16_t portti) {
    return AvaaUdpOsoitteeseen(INADDR_LOOPBACK, portti);
}

bool LahetaUdp(std::intptr_t soketti, const Osoite& kohde, std::span<const char> tavut) {
    sockaddr_storage osoite{};
    std::memcpy(&osoite, kohde.tavut.data(), sizeof osoite);
    const auto lahetetty =
        sendto(Pistokkeena(soketti), tavut.data(), static_cast<Pituus>(tavut.size()), 0,
               reinterpret_cast<const sockaddr*>(&osoite), static_cast<socklen_t>(kohde.pituus));
    return lahetetty >= 0 && static_cast<std::size_t>(lahetetty) == tavut.size();
}

// A datagram too long for the buffer, or the news that an earlier one found
// nobody (Windows reports that on the next read), is passed over.
std::optional<Datagrammi> VastaanotaUdp(std::intptr_t soketti) {
    std::array<char, 512> puskuri;
    for (int kerta = 0; kerta < 16; ++kerta) {
        sockaddr_storage lahettaja{};
        socklen_t pituus = sizeof lahettaja;
        const auto saatu =
            recvfrom(Pistokkeena(soketti), puskuri.data(), static_cast<Pituus>(puskuri.size()), 0,
                     reinterpret_cast<sockaddr*>(&lahettaja), &pituus);
        if (saatu < 0) {
            if (Estyisi(ViimeVirhe())) return std::nullopt;
            continue;
        }
        Datagrammi datagrammi;
        datagrammi.tavut.assign(puskuri.data(), static_cast<std::size_t>(saatu));
        std::memcpy(datagrammi.lahettaja.tavut.data(), &lahettaja, sizeof lahettaja);
        datagrammi.lahettaja.pituus = static_cast<int>(pituus);
        return datagrammi;
    }
    return std::nullopt;
}
