#include "platform/net/tcp.h"

#include <array>
#include <cstring>

#include "platform/net/jarjestelma.h"

namespace {

// An IPv6 socket that takes IPv4 too; where the system has no IPv6, IPv4.
std::intptr_t KuunteleKummallakin(std::uint16_t portti) {
    const std::intptr_t soketti = UusiSoketti(AF_INET6, SOCK_STREAM);
    if (soketti == EI_SOKETTIA) return EI_SOKETTIA;
    const Pistoke pistoke = Pistokkeena(soketti);
    const int ei = 0;
    setsockopt(pistoke, IPPROTO_IPV6, IPV6_V6ONLY, reinterpret_cast<const char*>(&ei), sizeof ei);
    VaraaPortti(pistoke);
    sockaddr_in6 osoite{};
    osoite.sin6_family = AF_INET6;
    osoite.sin6_addr = in6addr_any;
    osoite.sin6_port = htons(portti);
    if (bind(pistoke, reinterpret_cast<const sockaddr*>(&osoite), sizeof osoite) == 0 &&
        listen(pistoke, SOMAXCONN) == 0)
        return soketti;
    SuljeSoketti(soketti);
    return EI_SOKETTIA;
}

std::intptr_t KuunteleIpv4(std::uint16_t portti) {
    const std::intptr_t soketti = UusiSoketti(AF_INET, SOCK_STREAM);
    if (soketti == EI_SOKETTIA) return EI_SOKETTIA;
    const Pistoke pistoke = Pistokkeena(soketti);
    VaraaPortti(pistoke);
    sockaddr_in osoite{};
    osoite.sin_family = AF_INET;
    osoite.sin_addr.s_addr = htonl(INADDR_ANY);
    osoite.sin_port = htons(portti);
    if (bind(pistoke, reinterpret_cast<const sockaddr*>(&osoite), sizeof osoite) == 0 &&
        listen(pistoke, SOMAXCONN) == 0)
        return soketti;
    SuljeSoketti(soketti);
    return EI_SOKETTIA;
}

// A game's line is a whole message: it leaves at once rather than wait to
// be joined with the next. And a vanished peer shows within 30 seconds.
void Valmistele(Pistoke pistoke) {
    PidaElossa(pistoke);
    const int kylla = 1;
    setsockopt(pistoke, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&kylla),
               sizeof kylla);
}

}  // namespace

std::intptr_t KuunteleTcp(std::uint16_t portti) {
    const std::intptr_t soketti = KuunteleKummallakin(portti);
    return soketti != EI_SOKETTIA ? soketti : KuunteleIpv4(portti);
}

std::intptr_t HyvaksyTcp(std::intptr_t kuuntelija) {
    const std::intptr_t soketti = OtaVastaan(Pistokkeena(kuuntelija));
    if (soketti != EI_SOKETTIA) Valmistele(Pistokkeena(soketti));
    return soketti;
}

std::intptr_t AloitaYhteys(const Osoite& kohde) {
    sockaddr_storage osoite{};
    std::memcpy(&osoite, kohde.tavut.data(), sizeof osoite);
    const std::intptr_t soketti = UusiSoketti(osoite.ss_family, SOCK_STREAM);
    if (soketti == EI_SOKETTIA) return EI_SOKETTIA;
    const Pistoke pistoke = Pistokkeena(soketti);
    Valmistele(pistoke);
    if (connect(pistoke, reinterpret_cast<const sockaddr*>(&osoite), kohde.pituus) == 0 ||
        Estyisi(ViimeVirhe()))
        return soketti;
    SuljeSoketti(soketti);
    return EI_SOKETTIA;
}

// A failed attempt leaves its error on the socket; one still under way has
// no peer yet.
Yhteydentila YhteydenTila(std::intptr_t soketti) {
    const Pistoke pistoke = Pistokkeena(soketti);
    int virhe = 0;
    socklen_t pituus = sizeof virhe;
    if (getsockopt(pistoke, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&virhe), &pituus) != 0 ||
        virhe != 0)
        return Yhteydentila::Epaonnistui;
    sockaddr_storage toinen{};
    socklen_t toisenPituus = sizeof toinen;
    if (getpeername(pistoke, reinterpret_cast<sockaddr*>(&toinen), &toisenPituus) == 0)
        return Yhteydentila::Valmis;
    return Yhteydentila::Kesken;
}

Siirto LueTcp(std::intptr_t soketti, std::span<char> puskuri) {
    const auto luettu =
        recv(Pistokkeena(soketti), puskuri.data(), static_cast<Pituus>(puskuri.size()), 0);
    if (luettu > 0) return {static_cast<std::size_t>(luettu), Siirronloppu::Siirretty};
    if (luettu == 0) return {0, Siirronloppu::Suljettu};
    const int virhe = ViimeVirhe();
    return {0, Estyisi(virhe) ? Siirronloppu::Odottaa : Virheena(virhe)};
}

Siirto KirjoitaTcp(std::intptr_t soketti, std::span<const char> tavut) {
    const auto kirjoitettu =
        send(Pistokkeena(soketti), tavut.data(), static_cast<Pituus>(tavut.size()), LAHETYSLIPUT);
    if (kirjoitettu >= 0) return {static_cast<std::size_t>(kirjoitettu), Siirronloppu::Siirretty};
    const int virhe = ViimeVirhe();
    return {0, Estyisi(virhe) ? Siirronloppu::Odottaa : Virheena(virhe)};
}

void LopetaTcp(std::intptr_t soketti) {
    shutdown(Pistokkeena(soketti), EI_ENAA_LAHETETA);
    std::array<char, 4096> hukka;
    for (int kerta = 0; kerta < 16; ++kerta)
        if (LueTcp(soketti, hukka).loppu != Siirronloppu::Siirretty) break;
    SuljeSoketti(soketti);
}
