#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A socket address in the system's own form, copied so that no system header
// leaks beyond platform/net.
struct Osoite {
    std::array<unsigned char, 128> tavut{};
    int pituus = 0;
};

// The addresses of a numeric IPv4 or IPv6 address or of a host name at the
// port, in the order the system prefers; empty when there are none.
std::vector<Osoite> Ratkaise(const std::string& nimi, std::uint16_t portti);

// The same for a numeric address alone, which never asks a name server and so
// returns at once; empty for a name.
std::vector<Osoite> RatkaiseNumero(const std::string& nimi, std::uint16_t portti);

// The address as digits a player can type, without the port.
std::string OsoiteTekstina(const Osoite& osoite);

// This computer's addresses on its networks, loopback and link-local left out.
std::vector<std::string> KoneenOsoitteet();
