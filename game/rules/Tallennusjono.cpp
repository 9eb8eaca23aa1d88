#include "rules/Tallennusjono.h"

#include <utility>

void Tallennusjono::Tallenna(std::chrono::milliseconds nyt, Yritys yritys) {
    if (jono_.empty()) {
        if (yritys().laji != Tallennustulos::Varattu) return;
        seuraava_ = nyt + VALI;
    }
    jono_.push_back({std::move(yritys), nyt + ODOTUS});
}

std::optional<std::chrono::milliseconds> Tallennusjono::Maaraaika() const {
    if (jono_.empty()) return std::nullopt;
    return seuraava_;
}

void Tallennusjono::Jatka(std::chrono::milliseconds nyt) {
    if (!jono_.empty() && nyt >= seuraava_) Yrita(nyt);
}

// A save past its five seconds is still tried once: a deadline that waited
// behind an open box may come late, and the store may be free by then.
void Tallennusjono::Yrita(std::chrono::milliseconds nyt) {
    while (!jono_.empty()) {
        const Odottava& ensimmainen = jono_.front();
        if (ensimmainen.yritys().laji == Tallennustulos::Varattu && nyt < ensimmainen.luovutus) {
            seuraava_ = nyt + VALI;
            return;
        }
        jono_.pop_front();
    }
}
