#include "qt/Soketinvalvonta.h"

#include <utility>

Soketinvalvonta::Soketinvalvonta(QObject& isanta, std::function<void(const Tapahtuma&)> kohde)
    : isanta_(isanta), kohde_(std::move(kohde)) {}

Soketinvalvonta::~Soketinvalvonta() {
    for (const auto& [kahva, ilmoittimet] : valvotut_) {
        delete ilmoittimet.luku;
        delete ilmoittimet.kirjoitus;
    }
}

void Soketinvalvonta::Valvo(std::intptr_t kahva, bool kirjoitus) {
    Ilmoittimet& ilmoittimet = valvotut_[kahva];
    if (ilmoittimet.luku == nullptr) ilmoittimet.luku = Uusi(kahva, QSocketNotifier::Read);
    if (kirjoitus && ilmoittimet.kirjoitus == nullptr)
        ilmoittimet.kirjoitus = Uusi(kahva, QSocketNotifier::Write);
    if (ilmoittimet.kirjoitus != nullptr) ilmoittimet.kirjoitus->setEnabled(kirjoitus);
}

// The transport often lets a socket go while its own notifier's signal is
// running: the notifier falls silent at once and goes once the loop is back.
void Soketinvalvonta::Lopeta(std::intptr_t kahva) {
    const auto paikka = valvotut_.find(kahva);
    if (paikka == valvotut_.end()) return;
    for (QSocketNotifier* ilmoitin : {paikka->second.luku, paikka->second.kirjoitus}) {
        if (ilmoitin == nullptr) continue;
        ilmoitin->setEnabled(false);
        ilmoitin->deleteLater();
    }
    valvotut_.erase(paikka);
}

QSocketNotifier* Soketinvalvonta::Uusi(std::intptr_t kahva, QSocketNotifier::Type laji) {
    auto* ilmoitin = new QSocketNotifier(static_cast<qintptr>(kahva), laji, &isanta_);
    QObject::connect(ilmoitin, &QSocketNotifier::activated, ilmoitin,
                     [this, kahva] { kohde_(SokettiValmis{kahva}); });
    return ilmoitin;
}
