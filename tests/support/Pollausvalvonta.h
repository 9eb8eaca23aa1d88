#pragma once

// A face for transport tests: it watches the sockets a transport names with
// poll() (WSAPoll on Windows) and hands each ready one back, as a face's own
// event loop would.

#ifdef _WIN32
#include <winsock2.h>
#else
#include <poll.h>
#endif

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "net/Valvonta.h"
#include "rules/network/Verkko.h"

class Pollausvalvonta : public Valvonta {
  public:
    void Valvo(std::intptr_t kahva, bool kirjoitus) override { valvotut_[kahva] = kirjoitus; }
    void Lopeta(std::intptr_t kahva) override { valvotut_.erase(kahva); }

    void Kohde(Verkko& verkko) {
        kohde_ = [&verkko](std::intptr_t kahva) { verkko.SokettiValmis(kahva); };
    }
    // A face hands readiness to its window's model, not to the transport.
    void Kohde(std::function<void(std::intptr_t)> kohde) { kohde_ = std::move(kohde); }
    const std::map<std::intptr_t, bool>& Valvotut() const { return valvotut_; }
    void Valmis(std::intptr_t kahva) {
        if (valvotut_.contains(kahva)) kohde_(kahva);
    }

  private:
    std::map<std::intptr_t, bool> valvotut_;
    std::function<void(std::intptr_t)> kohde_;
};

#ifdef _WIN32
using Pollaus = WSAPOLLFD;
inline int Pollaa(std::vector<Pollaus>& kohteet, int ms) {
    return WSAPoll(kohteet.data(), static_cast<ULONG>(kohteet.size()), ms);
}
#else
using Pollaus = pollfd;
inline int Pollaa(std::vector<Pollaus>& kohteet, int ms) {
    return poll(kohteet.data(), kohteet.size(), ms);
}
#endif

// Turns the faces' loops until `valmis` holds. Each round returns as soon as
// a socket is ready; false when the state is not reached in 2000 rounds (at
// most 10 seconds of silence).
inline bool OdotaVerkkoa(std::initializer_list<Pollausvalvonta*> kasvot,
                         const std::function<bool()>& valmis) {
    for (int kierros = 0; kierros < 2000 && !valmis(); ++kierros) {
        std::vector<Pollaus> kohteet;
        std::vector<Pollausvalvonta*> omistajat;
        for (Pollausvalvonta* kasvo : kasvot)
            for (const auto& [kahva, kirjoitus] : kasvo->Valvotut()) {
                Pollaus kohde{};
                kohde.fd = static_cast<decltype(kohde.fd)>(kahva);
                kohde.events = static_cast<short>(POLLIN | (kirjoitus ? POLLOUT : 0));
                kohteet.push_back(kohde);
                omistajat.push_back(kasvo);
            }
        if (Pollaa(kohteet, 5) < 0) return false;
        for (std::size_t i = 0; i < kohteet.size(); ++i)
            if (kohteet[i].revents != 0)
                omistajat[i]->Valmis(static_cast<std::intptr_t>(kohteet[i].fd));
    }
    return valmis();
}

inline void AsetaYmparisto(const char* nimi, const std::string& arvo) {
#ifdef _WIN32
    _putenv_s(nimi, arvo.c_str());
#else
    setenv(nimi, arvo.c_str(), 1);
#endif
}
