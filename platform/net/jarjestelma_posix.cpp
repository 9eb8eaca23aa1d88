#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/net/jarjestelma.h"

bool SoketitKaytossa() { return true; }

std::intptr_t UusiSoketti(int perhe, int tyyppi) {
    const int pistoke = socket(perhe, tyyppi | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    return pistoke < 0 ? EI_SOKETTIA : Sokettina(pistoke);
}

bool EiEstavaksi(Pistoke pistoke) {
    const int liput = fcntl(pistoke, F_GETFL);
    return liput >= 0 && fcntl(pistoke, F_SETFL, liput | O_NONBLOCK) == 0 &&
           fcntl(pistoke, F_SETFD, FD_CLOEXEC) == 0;
}

void SuljeSoketti(std::intptr_t soketti) { close(Pistokkeena(soketti)); }

int ViimeVirhe() { return errno; }

bool Estyisi(int virhe) {
    return virhe == EAGAIN || virhe == EWOULDBLOCK || virhe == EINPROGRESS || virhe == EINTR;
}

Siirronloppu Virheena(int virhe) {
    switch (virhe) {
        case ETIMEDOUT:
        case EHOSTUNREACH:
        case ENETUNREACH:
        case EHOSTDOWN:
            return Siirronloppu::Vaikeni;
        default:
            return Siirronloppu::Suljettu;
    }
}

void VaraaPortti(Pistoke pistoke) {
    const int kylla = 1;
    setsockopt(pistoke, SOL_SOCKET, SO_REUSEADDR, &kylla, sizeof kylla);
}

std::intptr_t OtaVastaan(Pistoke kuuntelija) {
    const int pistoke = accept4(kuuntelija, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    return pistoke < 0 ? EI_SOKETTIA : Sokettina(pistoke);
}
