#include "qt/Mallikuvat.h"

#include <QtMath>
#include <map>
#include <utility>

#include "qt/Pikselikuvat.h"
#include "qt/Twipit.h"
#include "rules/pictures/Ruutukuvat.h"
#include "rules/pictures/Uppoamiskuva.h"

namespace {

struct Malli {
    piirros::Pikselikuva pikselit;
    QImage kuva;
};

const Malli& Valmiina(Kuva kuva, qreal laitepikselisuhde) {
    // A handful of sizes at most: one per screen the window has been on.
    static std::map<std::pair<Kuva, qreal>, Malli> valmiit;
    const std::pair avain(kuva, laitepikselisuhde);
    if (const auto paikka = valmiit.find(avain); paikka != valmiit.end()) return paikka->second;
    const int sivu = qCeil(Twipeista(RUUDUN_SIVU) * laitepikselisuhde);
    piirros::Pikselikuva pikselit = piirros::Ruutukuva(kuva, sivu);
    // The screen's own ratio: the picture then lands pixel for pixel, the
    // fraction of a pixel it overhangs at odd ratios being cut off.
    QImage valmis = Kuvana(pikselit, laitepikselisuhde);
    return valmiit.emplace(avain, Malli{std::move(pikselit), std::move(valmis)}).first->second;
}

}  // namespace

const QImage& Mallikuva(Kuva kuva, qreal laitepikselisuhde) {
    return Valmiina(kuva, laitepikselisuhde).kuva;
}

QImage Uppoamiskuva(Kuva kuva, double vedenpinta, qreal laitepikselisuhde) {
    return Kuvana(
        piirros::Uppoamiskuva(Valmiina(kuva, laitepikselisuhde).pikselit,
                              Valmiina(Kuva::Vesi, laitepikselisuhde).pikselit, vedenpinta),
        laitepikselisuhde);
}
