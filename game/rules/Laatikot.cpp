#include "rules/Laatikot.h"

#include <utility>

#include "rules/Tekstit.h"

Laatikonmalli Ilmoitus(Kuvake kuvake) {
    return {kuvake, {{Laatikonmalli::Vastaus::Ok, teksti::OK}}, std::nullopt, true};
}

Laatikonmalli Vahvistus() {
    return {
        Kuvake::Kysymys,
        {{Laatikonmalli::Vastaus::Kylla, teksti::KYLLA}, {Laatikonmalli::Vastaus::Ei, teksti::EI}},
        Laatikonmalli::Vastaus::Ei,
        false};
}

void Laatikkojono::NaytaSeuraava() {
    if (odottavat_.empty()) return;
    const std::function<bool()> nayta = std::move(odottavat_.front());
    odottavat_.pop_front();
    vastattu_(nayta());
}

// Each request is recorded before the face hears of it: a face may answer
// before the request has returned.
void Laatikot::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake,
                       std::function<void()> sitten) {
    avoimet_.push_back({[sitten = std::move(sitten)](bool) {
                            if (sitten) sitten();
                        },
                        nullptr});
    n.Ilmoita(otsikko, teksti, kuvake);
}

void Laatikot::Kysy(const std::string& otsikko, const std::string& teksti,
                    std::function<void(bool)> sitten) {
    avoimet_.push_back({std::move(sitten), nullptr});
    n.Kysy(otsikko, teksti);
}

void Laatikot::Avaa(std::unique_ptr<Valintaikkunamalli> malli,
                    std::function<void(Valintaikkunamalli&)> sitten) {
    Valintaikkunamalli& avattu = *malli;
    avoimet_.push_back({[&avattu, sitten = std::move(sitten)](bool) {
                            if (sitten) sitten(avattu);
                        },
                        std::move(malli)});
    n.NaytaDialogi(avattu);
}

Valintaikkunamalli* Laatikot::Dialogi() const {
    return avoimet_.empty() ? nullptr : avoimet_.back().malli.get();
}

void Laatikot::Vastattu(bool kylla) {
    if (avoimet_.empty()) return;
    if (Valintaikkunamalli* malli = Dialogi(); malli && malli->Kysyy()) {
        malli->Vastattu(kylla);
        return;
    }
    // The closed dialog's model lives until what follows it has read it.
    const Avoin suljettu = std::move(avoimet_.back());
    avoimet_.pop_back();
    if (suljettu.sitten) suljettu.sitten(kylla);
}
