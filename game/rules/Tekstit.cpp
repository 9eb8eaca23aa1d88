#include "rules/Tekstit.h"

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

std::string Ottelu(int omat, const std::string& vastustaja, int vastustajan) {
    return std::string(OHJELMAN_NIMI) + " - Sinä " + std::to_string(omat) + ", " + vastustaja +
           " " + std::to_string(vastustajan);
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

std::string VastustajaSijoittaa(const std::string& vastustaja) {
    return "Odota hetki, " + vastustaja + " sijoittaa vielä laivojaan...";
}

std::string VastustajaAmpuu(const std::string& vastustaja) {
    return "Odota hetki, " + vastustaja + " ampuu jotakin ruuduistasi...";
}

std::string OdotetaanVastausta(const std::string& vastustaja) {
    return "Odotetaan, haluaako " + vastustaja + " pelata uudestaan...";
}

std::string HaluaaUudestaan(const std::string& vastustaja) {
    return vastustaja + " haluaa pelata uudestaan. Pelataanko?";
}

std::string EiHaluaUudestaan(const std::string& vastustaja) {
    return vastustaja + " ei halua pelata uudestaan.";
}

std::string Lopetti(const std::string& vastustaja) { return vastustaja + " lopetti pelin."; }

std::string VerkkoVoitto(const std::string& vastustaja) {
    return "Voitit! Vastustajasi " + vastustaja + " menetti kaikki laivansa.";
}

std::string VerkkoTappio(const std::string& vastustaja) {
    return "Hävisit. Vastustajasi " + vastustaja + " upotti kaikki laivasi.";
}

std::string Saannot(const std::string& vastustaja, bool kulmat, bool reuna) {
    return "Pelaat pelaajan " + vastustaja + " säännöillä:\n" +
           (kulmat ? "laivojen kulmat saavat koskettaa toisiaan,\n"
                   : "laivojen kulmat eivät saa koskettaa toisiaan,\n") +
           (reuna ? "laiva saa sijaita reunassa." : "laiva ei saa sijaita reunassa.");
}

}  // namespace teksti
