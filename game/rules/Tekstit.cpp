#include "rules/Tekstit.h"

#include <algorithm>

#include "rules/network/Utf8.h"

namespace teksti {

std::string Voitettu(int perakkaisetVoitot) {
    if (perakkaisetVoitot == 1)
        return "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.";
    return "Olet voittanut " + std::to_string(perakkaisetVoitot) +
           " peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.";
}

std::string OsumanTulkintavirhe(int ruutu) {
    return "Ruutu " + std::to_string(ruutu) + ": Virhe osuman tulkinnassa!";
}

std::string Onnittelu(int perakkaisetVoitot) {
    if (perakkaisetVoitot == 1)
        return "Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.";
    return "Voitit " + std::to_string(perakkaisetVoitot) +
           " peliä peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.";
}

std::string Ruudunnimi(const char* ruudukko, int rivi, int sarake, const std::string& sisalto) {
    return std::string(ruudukko) + ", rivi " + std::to_string(rivi) + ", sarake " +
           std::to_string(sarake) + ": " + sisalto;
}

namespace {

// Letters written right to left, and Arabic digits, which take the spaces
// and numbers beside them along: Hebrew, Arabic and the scripts after them
// to U+08FF, their presentation forms, the right-to-left scripts beyond the
// first plane, and the right-to-left mark.
bool OikealtaVasemmalle(char32_t merkki) {
    return (merkki >= 0x0590 && merkki <= 0x08FF) || merkki == 0x200F ||
           (merkki >= 0xFB1D && merkki <= 0xFDFF) || (merkki >= 0xFE70 && merkki <= 0xFEFF) ||
           (merkki >= 0x10800 && merkki <= 0x10FFF) || (merkki >= 0x1E800 && merkki <= 0x1EFFF);
}

// A friend's name that could carry the sentence's own words and numbers
// along is set apart from it (first strong isolate ... pop directional
// isolate). Only such a name: some systems draw the marks as boxes in text
// that is all left to right.
std::string Nimi(const std::string& nimi) {
    if (std::ranges::none_of(Koodipisteet(nimi), OikealtaVasemmalle)) return nimi;
    return "\u2068" + nimi + "\u2069";
}

// Each kind from the carrier down: its name, the partitive that follows a
// number, and the player's own ("your cruiser").
constexpr std::array<std::array<const char*, 3>, 4> LAJIT{
    {{"lentotukialus", "lentotukialusta", "lentotukialuksesi"},
     {"risteilijä", "risteilijää", "risteilijäsi"},
     {"tykkivene", "tykkivenettä", "tykkiveneesi"},
     {"sukellusvene", "sukellusvenettä", "sukellusveneesi"}}};

const std::array<const char*, 3>& Laji(int pituus) {
    return LAJIT[static_cast<std::size_t>(4 - pituus)];
}

}  // namespace

std::string Upposi(int pituus) { return std::string("Upposi: ") + Laji(pituus)[0] + "."; }

std::string VastustajaAmpui(int rivi, int sarake, bool osui, int upposiPituus) {
    const std::string tulos = upposiPituus ? std::string(Laji(upposiPituus)[2]) + " upposi"
                              : osui       ? RUUTU_OSUMA
                                           : RUUTU_OHI;
    return "Vastustaja ampui rivi " + std::to_string(rivi) + ", sarake " + std::to_string(sarake) +
           ": " + tulos + ".";
}

std::string Jaljella(bool omat, const std::array<int, 4>& jaljella) {
    // One of a kind by its name; more by their number and the partitive.
    std::string luettelo;
    for (std::size_t laji = 0; laji < LAJIT.size(); ++laji) {
        const int maara = jaljella[laji];
        if (maara == 0) continue;
        if (!luettelo.empty()) luettelo += ", ";
        luettelo += maara == 1 ? LAJIT[laji][0] : std::to_string(maara) + " " + LAJIT[laji][1];
    }
    if (luettelo.empty()) luettelo = "ei laivoja";
    return std::string(omat ? "Sinulla" : "Vastustajalla") + " jäljellä: " + luettelo;
}

std::string Prosenttia(int osa, int kaikki) {
    if (kaikki <= 0) return EI_LUKUA;
    const long long pyoristetty = (200LL * osa + kaikki) / (2LL * kaikki);
    return std::to_string(pyoristetty) + " %";
}

std::string Keskiarvo(int summa, int maara) {
    if (maara <= 0) return EI_LUKUA;
    const long long kymmenykset = (20LL * summa + maara) / (2LL * maara);
    return std::to_string(kymmenykset / 10) + "," + std::to_string(kymmenykset % 10);
}

std::string Jakauma(const std::array<int, 9>& jakauma) {
    std::string teksti = "Voittojesi laukaukset:";
    for (std::size_t i = 0; i < jakauma.size(); ++i) {
        const int alku = 20 + 10 * static_cast<int>(i);
        const std::string lokero =
            alku == 100 ? "100" : std::to_string(alku) + "–" + std::to_string(alku + 9);
        teksti += (i == 0 ? " " : ", ") + lokero + ": " + std::to_string(jakauma[i]);
    }
    return teksti;
}

std::string Viimeiset(const std::string& viimeiset) {
    if (viimeiset.empty()) return "Viimeiset pelit: ei vielä yhtään.";
    std::string teksti = "Viimeiset pelit, vanhin ensin:";
    for (std::size_t i = 0; i < viimeiset.size(); ++i) {
        const char tulos = viimeiset[i];
        teksti += i == 0 ? " " : ", ";
        teksti += tulos == 'V' ? "voitto" : tulos == 'H' ? "tappio" : "kesken";
    }
    return teksti;
}

std::string Ystavanpelit(const std::string& nimi, int pelatut, int voitot) {
    return Nimi(nimi) + ": " + std::to_string(pelatut) + (pelatut == 1 ? " peli, " : " peliä, ") +
           std::to_string(voitot) + (voitot == 1 ? " voitto" : " voittoa");
}

std::string Ottelu(int omat, const std::string& vastustaja, int vastustajan) {
    return std::string(OHJELMAN_NIMI) + " - Sinä " + std::to_string(omat) + ", " +
           Nimi(vastustaja) + " " + std::to_string(vastustajan);
}

std::string Osoitteet(const std::vector<std::string>& osoitteet) {
    std::string teksti;
    for (const std::string& osoite : osoitteet) teksti += (teksti.empty() ? "" : ", ") + osoite;
    return teksti;
}

std::string Liitettavissa(const std::vector<std::string>& osoitteet) {
    if (osoitteet.empty())
        return "Tällä koneella ei ole verkko-osoitetta, johon ystäväsi voisi liittyä.";
    return "Ystäväsi voi liittyä tähän peliin osoitteella " + Osoitteet(osoitteet) + ".";
}

std::string OdotetaanVastustajaa(const std::vector<std::string>& osoitteet) {
    if (osoitteet.empty()) return "Odotetaan vastustajaa...";
    return "Odotetaan vastustajaa osoitteessa " + Osoitteet(osoitteet) + "...";
}

std::string LoydettyPeli(std::size_t rivi, const std::string& nimi, const std::string& osoite) {
    return "&" + std::to_string(rivi) + " " + Nimi(nimi) + " (" + osoite + ")";
}

std::string VastustajaSijoittaa(const std::string& vastustaja) {
    return "Odota hetki, " + Nimi(vastustaja) + " sijoittaa vielä laivojaan...";
}

std::string VastustajaAloittaa(const std::string& vastustaja) {
    return "Odota hetki, " + Nimi(vastustaja) + " aloittaa pelin...";
}

std::string VastustajaVastaa(const std::string& vastustaja) {
    return "Odota hetki, " + Nimi(vastustaja) + " vastaa laukaukseesi...";
}

std::string VastustajaAmpuu(const std::string& vastustaja) {
    return "Odota hetki, " + Nimi(vastustaja) + " ampuu jotakin ruuduistasi...";
}

std::string VastustajaPaljastaa(const std::string& vastustaja) {
    return "Odota hetki, " + Nimi(vastustaja) + " paljastaa laivastonsa...";
}

std::string OdotetaanVastausta(const std::string& vastustaja) {
    return "Odotetaan, haluaako " + Nimi(vastustaja) + " pelata uudestaan...";
}

std::string HaluaaUudestaan(const std::string& vastustaja) {
    return Nimi(vastustaja) + " haluaa pelata uudestaan. Pelataanko?";
}

std::string EiHaluaUudestaan(const std::string& vastustaja) {
    return Nimi(vastustaja) + " ei halua pelata uudestaan.";
}

std::string PeruPyynto(const std::string& vastustaja) {
    return Nimi(vastustaja) +
           " ei ole vielä vastannut. Lopetetaanko verkkopeli ja pelataan tietokonetta vastaan?";
}

std::string Lopetti(const std::string& vastustaja) { return Nimi(vastustaja) + " lopetti pelin."; }

std::string EiVastannut(const std::string& vastustaja) {
    return Nimi(vastustaja) + " ei vastannut ajoissa, joten verkkopeli päättyi.";
}

std::string EiPaljastanut(const std::string& vastustaja) {
    return "Peliä ei lasketa kummallekaan, koska " + Nimi(vastustaja) +
           " ei paljastanut laivastoaan.";
}

std::string VerkkoVoitto(const std::string& vastustaja) {
    return "Voitit! Vastustajasi " + Nimi(vastustaja) + " menetti kaikki laivansa.";
}

std::string VerkkoTappio(const std::string& vastustaja) {
    return "Hävisit. Vastustajasi " + Nimi(vastustaja) + " upotti kaikki laivasi.";
}

std::string Saannot(const std::string& vastustaja, bool kulmat, bool reuna) {
    return "Pelaat pelaajan " + Nimi(vastustaja) + " säännöillä:\n" +
           (kulmat ? "laivojen kulmat saavat koskettaa toisiaan,\n"
                   : "laivojen kulmat eivät saa koskettaa toisiaan,\n") +
           (reuna ? "laiva saa sijaita reunassa." : "laiva ei saa sijaita reunassa.");
}

}  // namespace teksti
