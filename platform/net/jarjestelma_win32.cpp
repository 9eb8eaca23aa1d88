#include "platform/net/jarjestelma.h"

bool SoketitKaytossa() {
    static const bool kaytossa = [] {
        WSADATA tiedot;
        return WSAStartup(MAKEWORD(2, 2), &tiedot) == 0;
    }();
    return kaytossa;
}

std::intptr_t UusiSoketti(int perhe, int tyyppi) {
    if (!SoketitKaytossa()) return EI_SOKETTIA;
    const Pistoke pistoke =
        WSASocketW(perhe, tyyppi, 0, nullptr, 0, WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    if (pistoke == INVALID_SOCKET) return EI_SOKETTIA;
    if (!EiEstavaksi(pistoke)) {
        closesocket(pistoke);
        return EI_SOKETTIA;
    }
    return Sokettina(pistoke);
}

bool EiEstavaksi(Pistoke pistoke) {
    u_long kylla = 1;
    return ioctlsocket(pistoke, FIONBIO, &kylla) == 0;
}

void SuljeSoketti(std::intptr_t soketti) { closesocket(Pistokkeena(soketti)); }

int ViimeVirhe() { return WSAGetLastError(); }

bool Estyisi(int virhe) {
    return virhe == WSAEWOULDBLOCK || virhe == WSAEINPROGRESS || virhe == WSAEINTR;
}

Siirronloppu Virheena(int virhe) {
    switch (virhe) {
        case WSAETIMEDOUT:
        case WSAEHOSTUNREACH:
        case WSAENETUNREACH:
        case WSAEHOSTDOWN:
        case WSAENETRESET:
            return Siirronloppu::Vaikeni;
        default:
            return Siirronloppu::Suljettu;
    }
}

// Windows lets a second program take a port marked reusable; exclusive use
// is what keeps the port this program's alone.
void VaraaPortti(Pistoke pistoke) {
    const BOOL kylla = TRUE;
    setsockopt(pistoke, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&kylla),
               sizeof kylla);
}

std::intptr_t OtaVastaan(Pistoke kuuntelija) {
    const Pistoke pistoke = accept(kuuntelija, nullptr, nullptr);
    if (pistoke == INVALID_SOCKET) return EI_SOKETTIA;
    if (!EiEstavaksi(pistoke)) {
        closesocket(pistoke);
        return EI_SOKETTIA;
    }
    return Sokettina(pistoke);
}
