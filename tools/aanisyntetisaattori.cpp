// Synthesises the game's five sounds from arithmetic alone, so that nothing
// recorded elsewhere goes into the game: 16-bit mono PCM WAV files, each under
// a second, with their peaks well below full scale.
//
//     aanisyntetisaattori <folder>
//
// Writes ohi.wav, osuma.wav, uppoaminen.wav, voitto.wav and tappio.wav.
// Plain standard C++, so that a cross build can compile it for the machine
// that builds; its noise is seeded, so every build makes the same files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int NAYTETAAJUUS = 22050;
// About -4.4 dBFS: loud enough beside other sounds of a desktop, with room
// below -3 dBFS for any resampling on the way to the speaker.
constexpr double HUIPPU = 0.6;
constexpr double PII = std::numbers::pi;

using Aanne = std::function<double(double)>;  // the signal at t seconds

// Deterministic white noise in -1..1.
class Kohina {
  public:
    double operator()() {
        tila_ ^= tila_ << 13;
        tila_ ^= tila_ >> 17;
        tila_ ^= tila_ << 5;
        return static_cast<double>(tila_) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t tila_ = 2463534242u;
};

double Vaimeneva(double t, double aika) { return std::exp(-t / aika); }

// A tone with two overtones, softer than a bare sine.
double Soitin(double vaihe) {
    return std::sin(vaihe) + 0.3 * std::sin(2 * vaihe) + 0.12 * std::sin(3 * vaihe);
}

std::vector<double> Nayttele(double kesto, const Aanne& aanne) {
    std::vector<double> naytteet(static_cast<std::size_t>(kesto * NAYTETAAJUUS));
    for (std::size_t i = 0; i < naytteet.size(); ++i)
        naytteet[i] = aanne(static_cast<double>(i) / NAYTETAAJUUS);
    return naytteet;
}

// Water thrown up and falling back: noise that darkens as it fades, with a
// short drop of pitch at the start.
std::vector<double> Ohi() {
    Kohina kohina;
    double suodatettu = 0;
    return Nayttele(0.55, [&](double t) {
        const double kirkkaus = 0.5 * Vaimeneva(t, 0.15) + 0.04;
        suodatettu += kirkkaus * (kohina() - suodatettu);
        const double loiskahdus = std::sin(2 * PII * (420 * t - 900 * t * t)) * Vaimeneva(t, 0.04);
        return std::min(1.0, t / 0.008) * (suodatettu * Vaimeneva(t, 0.16) * 3 + 0.5 * loiskahdus);
    });
}

// A blow on steel: a thump that drops in pitch under a short crack.
std::vector<double> Osuma() {
    Kohina kohina;
    double suodatettu = 0;
    double vaihe = 0;
    return Nayttele(0.5, [&](double t) {
        vaihe += 2 * PII * (45 + 120 * Vaimeneva(t, 0.06)) / NAYTETAAJUUS;
        suodatettu += 0.35 * (kohina() - suodatettu);
        return std::min(1.0, t / 0.003) *
               (std::sin(vaihe) * Vaimeneva(t, 0.14) + 0.8 * suodatettu * Vaimeneva(t, 0.035));
    });
}

// A ship going down: a long rumble and a tone sinking under it.
std::vector<double> Uppoaminen() {
    Kohina kohina;
    double suodatettu = 0;
    double vaihe = 0;
    constexpr double KESTO = 0.95;
    return Nayttele(KESTO, [&](double t) {
        vaihe += 2 * PII * (50 + 170 * Vaimeneva(t, 0.3)) / NAYTETAAJUUS;
        suodatettu += 0.06 * (kohina() - suodatettu);
        const double kupla = 0.5 + 0.5 * std::sin(2 * PII * 9 * t);
        return std::min(1.0, t / 0.01) * (1 - t / KESTO) *
               (0.6 * std::sin(vaihe) * (0.7 + 0.3 * kupla) + 4 * suodatettu * Vaimeneva(t, 0.4));
    });
}

struct Savel {
    double alku;  // seconds
    double taajuus;
};

// Notes that each ring on until the next begins.
std::vector<double> Savelkulku(double kesto, const std::vector<Savel>& savelet, double sointi) {
    return Nayttele(kesto, [&](double t) {
        const auto soi = std::find_if(savelet.rbegin(), savelet.rend(),
                                      [&](const Savel& s) { return s.alku <= t; });
        const double aika = t - soi->alku;
        const double loppu = std::min(1.0, (kesto - t) / 0.02);
        return std::min(1.0, aika / 0.006) * Vaimeneva(aika, sointi) * loppu *
               Soitin(2 * PII * soi->taajuus * aika);
    });
}

// A major chord climbing to its octave.
std::vector<double> Voitto() {
    return Savelkulku(0.9, {{0, 523.25}, {0.12, 659.26}, {0.24, 783.99}, {0.36, 1046.5}}, 0.22);
}

// A minor chord going down, slower.
std::vector<double> Tappio() {
    return Savelkulku(0.95, {{0, 392.0}, {0.22, 311.13}, {0.44, 261.63}}, 0.3);
}

void Kirjoita16(std::ofstream& ulos, std::uint16_t arvo) {
    const char tavut[2] = {static_cast<char>(arvo & 0xff), static_cast<char>(arvo >> 8)};
    ulos.write(tavut, 2);
}

void Kirjoita32(std::ofstream& ulos, std::uint32_t arvo) {
    Kirjoita16(ulos, static_cast<std::uint16_t>(arvo & 0xffff));
    Kirjoita16(ulos, static_cast<std::uint16_t>(arvo >> 16));
}

// Scaled so that the loudest sample stands at HUIPPU, as 16-bit PCM.
bool TallennaWav(const std::string& polku, const std::vector<double>& naytteet) {
    double suurin = 0;
    for (double n : naytteet) suurin = std::max(suurin, std::abs(n));
    const double kerroin = suurin > 0 ? HUIPPU * 32767 / suurin : 0;
    const auto tavuja = static_cast<std::uint32_t>(naytteet.size() * 2);

    std::ofstream ulos(polku, std::ios::binary);
    ulos.write("RIFF", 4);
    Kirjoita32(ulos, 36 + tavuja);
    ulos.write("WAVEfmt ", 8);
    Kirjoita32(ulos, 16);
    Kirjoita16(ulos, 1);  // PCM
    Kirjoita16(ulos, 1);  // mono
    Kirjoita32(ulos, NAYTETAAJUUS);
    Kirjoita32(ulos, NAYTETAAJUUS * 2);
    Kirjoita16(ulos, 2);
    Kirjoita16(ulos, 16);
    ulos.write("data", 4);
    Kirjoita32(ulos, tavuja);
    for (double n : naytteet)
        Kirjoita16(ulos,
                   static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(n * kerroin))));
    return static_cast<bool>(ulos.flush());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "aanisyntetisaattori <folder>\n");
        return 2;
    }
    const std::string kansio = argv[1];
    const std::pair<const char*, std::vector<double>> aanet[] = {
        {"ohi", Ohi()},       {"osuma", Osuma()},   {"uppoaminen", Uppoaminen()},
        {"voitto", Voitto()}, {"tappio", Tappio()},
    };
    for (const auto& [nimi, naytteet] : aanet) {
        const std::string polku = kansio + "/" + nimi + ".wav";
        if (!TallennaWav(polku, naytteet)) {
            std::fprintf(stderr, "aanisyntetisaattori: %s could not be written\n", polku.c_str());
            return 1;
        }
    }
    return 0;
}
