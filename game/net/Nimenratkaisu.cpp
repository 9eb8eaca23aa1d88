#include "net/Nimenratkaisu.h"

#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/net/soketti.h"
#include "platform/net/udp.h"

namespace {

constexpr std::string_view HERATYS = "!";

}  // namespace

// Shared with the thread, which may outlive the lookup's owner and the whole
// transport: the thread touches nothing else, and the socket is closed only
// once neither needs it.
struct Nimenratkaisu::Tila {
    std::intptr_t herattaja = EI_SOKETTIA;
    Osoite oma;
    std::mutex lukko;
    bool hylatty = false;
    std::optional<std::vector<Osoite>> tulos;

    ~Tila() {
        if (herattaja != EI_SOKETTIA) SuljeSoketti(herattaja);
    }
};

std::unique_ptr<Nimenratkaisu> Nimenratkaisu::Aloita(const Ratkaisija& ratkaisija,
                                                     const std::string& nimi,
                                                     std::uint16_t portti) {
    auto tila = std::make_shared<Tila>();
    tila->herattaja = AvaaSilmukkaUdp(0);
    if (tila->herattaja == EI_SOKETTIA) return nullptr;
    const std::vector<Osoite> oma = RatkaiseNumero("127.0.0.1", SoketinPortti(tila->herattaja));
    if (oma.empty()) return nullptr;
    tila->oma = oma.front();
    try {
        std::thread([tila, ratkaisija, nimi, portti] {
            std::vector<Osoite> osoitteet = ratkaisija(nimi, portti);
            const std::lock_guard lukko(tila->lukko);
            if (tila->hylatty) return;
            tila->tulos = std::move(osoitteet);
            LahetaUdp(tila->herattaja, tila->oma, HERATYS);
        }).detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    return std::unique_ptr<Nimenratkaisu>(new Nimenratkaisu(std::move(tila)));
}

Nimenratkaisu::Nimenratkaisu(std::shared_ptr<Tila> tila) : tila_(std::move(tila)) {}

Nimenratkaisu::~Nimenratkaisu() {
    const std::lock_guard lukko(tila_->lukko);
    tila_->hylatty = true;
}

std::intptr_t Nimenratkaisu::Kahva() const { return tila_->herattaja; }

// The wake is read away before the answer is looked at: the thread sends it
// only once the answer is in place, so when none is there yet, its wake is
// still to come. Whatever else reached the socket goes the same way, a few
// at a time so that a flood of it cannot hold the face: the rest is reported
// again.
std::optional<std::vector<Osoite>> Nimenratkaisu::Tulos() {
    for (int kerta = 0; kerta < 16 && VastaanotaUdp(tila_->herattaja); ++kerta) {
    }
    const std::lock_guard lukko(tila_->lukko);
    return std::exchange(tila_->tulos, std::nullopt);
}
