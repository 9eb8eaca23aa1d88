#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <cstdint>
#include <functional>
#include <map>

#include "net/Valvonta.h"
#include "rules/window/Tapahtuma.h"

// The transport's sockets watched on Qt's event loop: a notifier for reading
// on each, and one for writing only while something waits to go, so that an
// idle connection never wakes the program. Each readiness goes to the rules'
// entry point as it comes.
class Soketinvalvonta : public Valvonta {
  public:
    // The notifiers live among `isanta`'s children.
    Soketinvalvonta(QObject& isanta, std::function<void(const Tapahtuma&)> kohde);
    ~Soketinvalvonta() override;
    Soketinvalvonta(const Soketinvalvonta&) = delete;
    Soketinvalvonta& operator=(const Soketinvalvonta&) = delete;

    void Valvo(std::intptr_t kahva, bool kirjoitus) override;
    void Lopeta(std::intptr_t kahva) override;

  private:
    struct Ilmoittimet {
        QSocketNotifier* luku = nullptr;
        QSocketNotifier* kirjoitus = nullptr;
    };
    QSocketNotifier* Uusi(std::intptr_t kahva, QSocketNotifier::Type laji);

    QObject& isanta_;
    std::function<void(const Tapahtuma&)> kohde_;
    std::map<std::intptr_t, Ilmoittimet> valvotut_;
};
