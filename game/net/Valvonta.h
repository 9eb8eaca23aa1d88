#pragma once

#include <cstdint>

// What the transport asks of a face: to watch its sockets on the face's own
// event loop and hand each readiness to the rules as SokettiValmis.
class Valvonta {
  public:
    virtual ~Valvonta() = default;
    // Report when the socket can be read, accepts or has closed and, when
    // `kirjoitus`, when it can be written to.
    virtual void Valvo(std::intptr_t kahva, bool kirjoitus) = 0;
    virtual void Lopeta(std::intptr_t kahva) = 0;
};
