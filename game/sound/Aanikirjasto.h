#pragma once

#include <string>

struct ca_context;

// The desktop's event-sound library, libcanberra, opened the first time a
// sound is played: a player who keeps sounds off never loads it. Without the
// library, a sound server or a device, every sound is silence.
class Aanikirjasto {
  public:
    Aanikirjasto() = default;
    ~Aanikirjasto();
    Aanikirjasto(const Aanikirjasto&) = delete;
    Aanikirjasto& operator=(const Aanikirjasto&) = delete;

    // Starts the file and returns at once; a sound this started before stops.
    void Soita(const std::string& tiedosto);

  private:
    bool Avaa();

    bool yritetty_ = false;
    ca_context* yhteys_ = nullptr;
    int (*play_)(ca_context*, unsigned, ...) = nullptr;
    int (*cancel_)(ca_context*, unsigned) = nullptr;
    int (*destroy_)(ca_context*) = nullptr;
};
