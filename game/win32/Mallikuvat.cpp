#include "win32/Mallikuvat.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "rules/Piirrokset.h"

namespace {

using namespace piirros;

// Each pixel is sampled on a grid of this many points a side: the marks'
// edges come out smoothed, as the other face draws them.
constexpr int NAYTTEITA = 4;

struct Piste {
    double x;
    double y;
};

// Within a stroke of the given width between a and b, with flat ends.
bool Vedolla(Piste p, Piste a, Piste b, double paksuus) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double pituus2 = dx * dx + dy * dy;
    const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / pituus2;
    if (t < 0.0 || t > 1.0) return false;
    const double etaisyys = std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::sqrt(pituus2);
    return etaisyys <= paksuus / 2.0;
}

// The colour a mark gives the point, or none.
bool MerkinVari(const Kuvamalli& malli, Piste p, Vari& vari) {
    if (malli.merkki == Merkki::Risti) {
        if (Vedolla(p, {RISTI_ALKU, RISTI_ALKU}, {RISTI_LOPPU, RISTI_LOPPU}, RISTI_PAKSUUS) ||
            Vedolla(p, {RISTI_LOPPU, RISTI_ALKU}, {RISTI_ALKU, RISTI_LOPPU}, RISTI_PAKSUUS)) {
            vari = malli.vari;
            return true;
        }
        return false;
    }
    if (malli.merkki == Merkki::Rengas) {
        const double keskus = YKSIKOITA / 2.0;
        const double poikkeama = std::abs(std::hypot(p.x - keskus, p.y - keskus) - RENGAS_SADE);
        if (poikkeama <= RENGAS_PAKSUUS / 2.0) {
            vari = malli.vari;
            return true;
        }
        if (poikkeama <= RENGAS_REUNUS_PAKSUUS / 2.0) {
            vari = REUNUS;
            return true;
        }
    }
    return false;
}

// Ring edges fall on whole pixels, so no ring is smeared into its neighbour.
Vari LaatanVari(const Renkaat& renkaat, int x, int y, int koko) {
    const int reunalta = std::min(std::min(x, y), std::min(koko - 1 - x, koko - 1 - y));
    Vari vari = renkaat[0];
    for (int i = 0; i < static_cast<int>(renkaat.size()); ++i) {
        const int reuna = static_cast<int>(std::lround(i * koko / double(YKSIKOITA)));
        if (reuna <= reunalta) vari = renkaat[static_cast<std::size_t>(i)];
    }
    return vari;
}

Vari Pikseli(const Kuvamalli& malli, int x, int y, int koko) {
    const Vari laatta = LaatanVari(malli.laatta, x, y, koko);
    if (malli.merkki == Merkki::Ei) return laatta;
    unsigned summa[3] = {0, 0, 0};
    for (int sy = 0; sy < NAYTTEITA; ++sy) {
        for (int sx = 0; sx < NAYTTEITA; ++sx) {
            const Piste p{(x + (sx + 0.5) / NAYTTEITA) * YKSIKOITA / koko,
                          (y + (sy + 0.5) / NAYTTEITA) * YKSIKOITA / koko};
            Vari vari = laatta;
            MerkinVari(malli, p, vari);
            summa[0] += (vari >> 16) & 0xFF;
            summa[1] += (vari >> 8) & 0xFF;
            summa[2] += vari & 0xFF;
        }
    }
    constexpr unsigned N = NAYTTEITA * NAYTTEITA;
    return ((summa[0] + N / 2) / N) << 16 | ((summa[1] + N / 2) / N) << 8 | (summa[2] + N / 2) / N;
}

HBITMAP Piirra(Kuva kuva, int koko) {
    BITMAPINFO tiedot{};
    tiedot.bmiHeader.biSize = sizeof tiedot.bmiHeader;
    tiedot.bmiHeader.biWidth = koko;
    tiedot.bmiHeader.biHeight = -koko;  // top row first
    tiedot.bmiHeader.biPlanes = 1;
    tiedot.bmiHeader.biBitCount = 32;
    tiedot.bmiHeader.biCompression = BI_RGB;
    void* bitit = nullptr;
    HBITMAP kartta = CreateDIBSection(nullptr, &tiedot, DIB_RGB_COLORS, &bitit, nullptr, 0);
    if (kartta == nullptr) return nullptr;
    const Kuvamalli malli = Malli(kuva);
    auto* pikselit = static_cast<DWORD*>(bitit);
    for (int y = 0; y < koko; ++y) {
        for (int x = 0; x < koko; ++x) pikselit[y * koko + x] = Pikseli(malli, x, y, koko);
    }
    return kartta;
}

}  // namespace

HBITMAP Mallikuva(Kuva kuva, int koko) {
    // A handful of sizes at most: one per screen density the window has met.
    static std::map<std::pair<Kuva, int>, HBITMAP> valmiit;
    auto [paikka, uusi] = valmiit.try_emplace({kuva, koko}, nullptr);
    if (uusi) paikka->second = Piirra(kuva, koko);
    return paikka->second;
}
