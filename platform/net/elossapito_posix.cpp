#include "platform/net/jarjestelma.h"

namespace {

void Aseta(Pistoke pistoke, int taso, int valinta, int arvo) {
    setsockopt(pistoke, taso, valinta, &arvo, sizeof arvo);
}

}  // namespace

// Idle 10 s, then 4 probes 5 s apart: gone after 30 s. The same bound holds
// while sent data waits unacknowledged, when keepalive itself stays quiet.
void PidaElossa(Pistoke pistoke) {
    Aseta(pistoke, SOL_SOCKET, SO_KEEPALIVE, 1);
    Aseta(pistoke, IPPROTO_TCP, TCP_KEEPIDLE, 10);
    Aseta(pistoke, IPPROTO_TCP, TCP_KEEPINTVL, 5);
    Aseta(pistoke, IPPROTO_TCP, TCP_KEEPCNT, 4);
    Aseta(pistoke, IPPROTO_TCP, TCP_USER_TIMEOUT, 30000);
}
