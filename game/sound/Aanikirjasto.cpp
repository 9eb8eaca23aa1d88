#include "sound/Aanikirjasto.h"

#include <canberra.h>
#include <dlfcn.h>

namespace {

// The one sound of the game that can be playing; the next one replaces it.
constexpr std::uint32_t AANI = 1;

template <class Funktio>
Funktio Hae(void* kirjasto, const char* nimi) {
    return reinterpret_cast<Funktio>(dlsym(kirjasto, nimi));
}

}  // namespace

Aanikirjasto::~Aanikirjasto() {
    if (yhteys_ != nullptr) destroy_(yhteys_);
}

// The library stays loaded for the rest of the run once opened; threads of
// its sound server connection may still be using it.
bool Aanikirjasto::Avaa() {
    yritetty_ = true;
    void* kirjasto = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (kirjasto == nullptr) return false;
    const auto create = Hae<decltype(&ca_context_create)>(kirjasto, "ca_context_create");
    const auto props = Hae<decltype(&ca_context_change_props)>(kirjasto, "ca_context_change_props");
    play_ = Hae<decltype(play_)>(kirjasto, "ca_context_play");
    cancel_ = Hae<decltype(cancel_)>(kirjasto, "ca_context_cancel");
    destroy_ = Hae<decltype(destroy_)>(kirjasto, "ca_context_destroy");
    if (!create || !props || !play_ || !cancel_ || !destroy_) return false;
    if (create(&yhteys_) != CA_SUCCESS) {
        yhteys_ = nullptr;
        return false;
    }
    props(yhteys_, CA_PROP_APPLICATION_NAME, "Morvak", CA_PROP_APPLICATION_ID, "fi.relvano.Morvak",
          nullptr);
    return true;
}

void Aanikirjasto::Soita(const std::string& tiedosto) {
    if (!yritetty_) Avaa();
    if (yhteys_ == nullptr) return;
    cancel_(yhteys_, AANI);
    play_(yhteys_, AANI, CA_PROP_MEDIA_FILENAME, tiedosto.c_str(), CA_PROP_MEDIA_ROLE, "event",
          nullptr);
}
