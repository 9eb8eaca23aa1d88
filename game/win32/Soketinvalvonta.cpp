#include <winsock2.h>
// Only after Winsock 2, which it would otherwise replace with the first one.
#include "win32/Soketinvalvonta.h"

// A readiness already true when the socket is named is posted at once, as
// is one that comes back after each read, accept or refused write.
void Soketinvalvonta::Valvo(std::intptr_t kahva, bool kirjoitus) {
    const long tapahtumat =
        FD_READ | FD_ACCEPT | FD_CLOSE | FD_CONNECT | (kirjoitus ? FD_WRITE : 0);
    WSAAsyncSelect(static_cast<SOCKET>(kahva), ikkuna_, viesti_, tapahtumat);
}

void Soketinvalvonta::Lopeta(std::intptr_t kahva) {
    WSAAsyncSelect(static_cast<SOCKET>(kahva), ikkuna_, 0, 0);
}
