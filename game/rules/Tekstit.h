#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Every sentence the game says to the player, once. Captions of controls and
// menu items live in their layout and command tables.
namespace teksti {

// The standard buttons of message boxes and dialogs, whatever language the
// system speaks. Yes and No answer to K and E, as in Windows' own Finnish
// boxes.
inline constexpr const char* KYLLA = "&Kyllä";
inline constexpr const char* EI = "&Ei";
inline constexpr const char* OK = "OK";
inline constexpr const char* PERUUTA = "Peruuta";

inline constexpr const char* OHJELMAN_NIMI = "Morvak";

// The instruction line, one prompt per ship of the fleet in placing order.
inline constexpr std::array<const char*, 10> SIJOITUSOHJEET{
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
inline constexpr const char* PELAAJAN_VUORO =
    "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.";
inline constexpr const char* KONE_SIJOITTAA =
    "Odota hetki, sijoitetaan vastustajasi laivat ruudukkoon...";
inline constexpr const char* KONE_AMPUU = "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...";
inline constexpr const char* HAVITTY = "Aloita uusi peli painamalla Uusi peli -painiketta.";
std::string Voitettu(int perakkaisetVoitot);

inline constexpr const char* TIHEYS_OTSIKKO = "Tiedoksi";
inline constexpr const char* TIHEYS =
    "Ohjelman ulkoasussa saattaa esiintyä puutteita\nkäyttämilläsi näytön asetuksilla.";

inline constexpr const char* UUSI_PELI_OTSIKKO = "Uusi peli";
inline constexpr const char* UUSI_PELI_KESKEN =
    "Haluatko varmasti keskeyttää nykyisen pelin ja\naloittaa uuden?";
inline constexpr const char* LOPETA_OTSIKKO = "Lopeta";
inline constexpr const char* LOPETA = "Haluatko varmasti lopettaa Morvak-ohjelman käytön?";
// Why the program holds up the end of the desktop session: the player has a
// question of the game still open.
inline constexpr const char* ISTUNTO_ODOTTAA = "Morvak odottaa vastaustasi avoimeen kysymykseen.";

// The ships laid so far leave the next one no room.
inline constexpr const char* EI_MAHDU_OTSIKKO = "Laivat eivät mahdu";
inline constexpr const char* EI_MAHDU =
    "Jäljellä olevat laivasi eivät enää mahdu ruudukkoon.\nLaivojen sijoittaminen alkaa alusta.";

inline constexpr const char* VOITTO_OTSIKKO = "Voitit";
inline constexpr const char* VOITTO = "Onneksi olkoon, upotit kaikki vastustajasi laivat!";
inline constexpr const char* TAPPIO_OTSIKKO = "Hävisit";
inline constexpr const char* TAPPIO = "Vastustajasi upotti kaikki laivasi!";
std::string OsumanTulkintavirhe(int ruutu);

inline constexpr const char* TYHJENNA_OTSIKKO = "Tyhjennä";
inline constexpr const char* TYHJENNA = "Haluatko varmasti tyhjentää parhaiden tulosten listan?";

// The name entry.
inline constexpr const char* NIMETON = "Nimetön";
inline constexpr const char* KIRJOITA_NIMESI = "Kirjoita nimesi:";
std::string Onnittelu(int perakkaisetVoitot);

// What assistive technology says of the grids and of each square.
inline constexpr const char* OMA_RUUDUKKO = "Oma ruudukko";
inline constexpr const char* VASTUSTAJAN_RUUDUKKO = "Vastustajan ruudukko";
inline constexpr const char* RUUTU_VESI = "vesi";
inline constexpr const char* RUUTU_LAIVA = "laiva";
inline constexpr const char* RUUTU_EPAKELPO = "epäkelpo";
inline constexpr const char* RUUTU_OHI = "ohi";
inline constexpr const char* RUUTU_OSUMA = "osuma";
inline constexpr const char* RUUTU_UPONNUT = "uponnut";
inline constexpr const char* VIIMEISIN_LAUKAUS = ", viimeisin laukaus";
// "Oma ruudukko, rivi 3, sarake 5: laiva"
std::string Ruudunnimi(const char* ruudukko, int rivi, int sarake, const std::string& sisalto);

// The fleet overview: what one side has left afloat, by kind from the
// carrier down to the submarines.
std::string Jaljella(bool omat, const std::array<int, 4>& jaljella);

// What a screen reader is told once of a shot or a refused ship, before
// the new instruction line. A sunk ship is named by its length.
inline constexpr const char* KUULUTUS_OSUMA = "Osuma.";
inline constexpr const char* KUULUTUS_OHI = "Ohi.";
inline constexpr const char* KUULUTUS_EI_SIJOITETA = "Ruutuun ei voi sijoittaa laivaa.";
// "Upposi: risteilijä."
std::string Upposi(int pituus);
// "Vastustaja ampui rivi 4, sarake 7: ohi." or ": risteilijäsi upposi."
std::string VastustajaAmpui(int rivi, int sarake, bool osui, int upposiPituus = 0);

// "Tilastot". A figure that has nothing to count yet is a dash.
inline constexpr const char* TYHJENNA_TILASTOT = "Haluatko varmasti tyhjentää tilastot?";
inline constexpr const char* EI_LUKUA = "–";
inline constexpr const char* EI_VERKKOPELEJA = "Ei verkkopelejä.";
// "37 %", rounded to a whole per cent.
std::string Prosenttia(int osa, int kaikki);
// "58,3", to a tenth.
std::string Keskiarvo(int summa, int maara);
// The bar picture and the strip told in words, for assistive technology.
std::string Jakauma(const std::array<int, 9>& jakauma);
std::string Viimeiset(const std::string& viimeiset);
// "Ville: 5 peliä, 3 voittoa"
std::string Ystavanpelit(const std::string& nimi, int pelatut, int voitot);

// The network game. Names are the friend's own, shown as given; one that
// could turn the sentence around it is set apart from it.
inline constexpr const char* VERKKOPELI_OTSIKKO = "Verkkopeli";
std::string Ottelu(int omat, const std::string& vastustaja, int vastustajan);
// The addresses of this computer, one after another, for a friend to type.
std::string Osoitteet(const std::vector<std::string>& osoitteet);
std::string Liitettavissa(const std::vector<std::string>& osoitteet);
std::string OdotetaanVastustajaa(const std::vector<std::string>& osoitteet);
// A row of the found games' list, its number the row's access key.
std::string LoydettyPeli(std::size_t rivi, const std::string& nimi, const std::string& osoite);
inline constexpr const char* YHDISTETAAN = "Yhdistetään peliin...";
std::string VastustajaSijoittaa(const std::string& vastustaja);
std::string VastustajaAloittaa(const std::string& vastustaja);
std::string VastustajaVastaa(const std::string& vastustaja);
std::string VastustajaAmpuu(const std::string& vastustaja);
std::string VastustajaPaljastaa(const std::string& vastustaja);
std::string OdotetaanVastausta(const std::string& vastustaja);
std::string HaluaaUudestaan(const std::string& vastustaja);
std::string EiHaluaUudestaan(const std::string& vastustaja);
std::string PeruPyynto(const std::string& vastustaja);
std::string Lopetti(const std::string& vastustaja);
std::string EiVastannut(const std::string& vastustaja);
std::string EiPaljastanut(const std::string& vastustaja);
std::string VerkkoVoitto(const std::string& vastustaja);
std::string VerkkoTappio(const std::string& vastustaja);
std::string Saannot(const std::string& vastustaja, bool kulmat, bool reuna);
inline constexpr const char* EI_TASMAA = "Vastustajan vastaukset eivät täsmää sen laivastoon.";
inline constexpr const char* VIRHEELLINEN_VIESTI =
    "Verkkopeli päättyi: vastustajan ohjelma lähetti virheellisen viestin.";
inline constexpr const char* ERI_VERSIO = "Vastustajallasi on eri versio Morvakista.";
inline constexpr const char* YHTEYS_KATKESI = "Yhteys vastustajaan katkesi.";
inline constexpr const char* EI_YHTEYTTA = "Peliin ei saatu yhteyttä.";
inline constexpr const char* VARATTU = "Pelissä on jo toinen pelaaja.";
inline constexpr const char* EI_KUUNNELLA =
    "Verkkopeliä ei voitu aloittaa: tämän koneen peliportti on jo käytössä.";
inline constexpr const char* EI_SATUNNAISUUTTA =
    "Verkkopeliä ei voitu aloittaa: satunnaislukuja ei saatu.";

inline constexpr const char* TEKIJA = "Versio 1.2 · Tekijät: Morvak-työryhmä";

}  // namespace teksti
