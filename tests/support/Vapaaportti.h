#pragma once

// A program that waits for an opponent on a port nobody holds, its searches
// kept on the loopback.

#include <memory>
#include <string>

#include "platform/net/soketti.h"
#include "platform/net/tcp.h"
#include "tests/support/Pollausvalvonta.h"

// Programs made after this play on a port nobody held a moment ago, and
// search on the loopback only.
inline void VapaaPortti() {
    AsetaYmparisto("MORVAK_VERKKO_LAHETYS", "127.0.0.1");
    const std::intptr_t vapaa = KuunteleTcp(0);
    AsetaYmparisto("MORVAK_VERKKO_PORTTI", std::to_string(SoketinPortti(vapaa)));
    SuljeSoketti(vapaa);
}

// `Ohjelma` reads the port as it is made and listens through its `verkko`;
// null when no free port could be had.
template <class Ohjelma>
std::unique_ptr<Ohjelma> Kuuntelevana(const std::string& nimi) {
    for (int yritys = 0; yritys < 8; ++yritys) {
        VapaaPortti();
        auto ohjelma = std::make_unique<Ohjelma>();
        if (ohjelma->verkko.Kuuntele(nimi)) return ohjelma;
    }
    return nullptr;
}
