#include <algorithm>
#include <array>
#include <string>

#include "Peli.h"

namespace {

// One prompt per ship of the fleet, in placing order.
constexpr std::array<const char*, 10> SIJOITUSOHJEET{
    "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 3. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 1. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 2. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 3. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    "Sijoita 4. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
};

std::string Sijoitusohje(Pelitila& t) {
    const auto laivat = t.Laivat(Puoli::Pelaaja);
    const auto seuraava =
        std::ranges::find_if(laivat, [](const Laiva& laiva) { return !laiva.sijoitettu; });
    // A complete fleet keeps the last ship's prompt.
    const auto i = std::min<std::ptrdiff_t>(seuraava - laivat.begin(), 9);
    return SIJOITUSOHJEET[static_cast<std::size_t>(i)];
}

std::string Ohje(Pelitila& t) {
    if (!t.PeliKaynnissa && t.PelaajanOsumat == 20) {
        if (t.PerakkaisetVoitot == 1)
            return "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.";
        return "Olet voittanut " + std::to_string(t.PerakkaisetVoitot) +
               " peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.";
    }
    if (!t.PeliKaynnissa && t.KoneenOsumat == 20)
        return "Aloita uusi peli painamalla Uusi peli -painiketta.";
    if (t.PeliKaynnissa && t.PelaajanVuoro && t.AmmuntaKaynnissa)
        return "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.";
    if (t.PelaajanVuoro && !t.AmmuntaKaynnissa) return Sijoitusohje(t);
    if (!t.KoneenSukellusveneSijoitettu[4] && t.PeliKaynnissa)
        return "Odota hetki, sijoitetaan vastustajasi laivat ruudukkoon...";
    return "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...";
}

}  // namespace

Ajastintila Peli::tmrAjastin_Timer() {
    // The computer forgets the ship it has just sunk.
    if (t.KohdeOsuma && t.KoneUpottiLaivan) {
        t.KohdeOsuma.reset();
        t.KohdeRuutu = 0;
        t.KohdeVaihe = 100;
    }
    const bool koneAmpuu = !t.PelaajanVuoro && t.PeliKaynnissa;
    return {Ohje(t), !koneAmpuu};
}
