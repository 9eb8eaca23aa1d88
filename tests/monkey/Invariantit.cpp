#include "tests/monkey/Invariantit.h"

#include <algorithm>
#include <array>

#include "rules/Ruudut.h"
#include "tests/support/Laivastotarkistus.h"

namespace {

const char* Nimi(Puoli puoli) { return puoli == Puoli::Pelaaja ? "player" : "computer"; }

// Laid squares in a row or a column, each next to the one before.
bool Suora(std::vector<int> ruudut) {
    std::ranges::sort(ruudut);
    if (ruudut.size() < 2) return true;
    const int askel = ruudut[1] - ruudut[0];
    if (askel != 1 && askel != 10) return false;
    for (std::size_t i = 1; i < ruudut.size(); ++i) {
        if (ruudut[i] - ruudut[i - 1] != askel) return false;
        if (askel == 1 && Rivi(ruudut[i]) != Rivi(ruudut[0])) return false;
    }
    return true;
}

void TarkistaLaivasto(Pelitila& t, Puoli puoli, std::vector<std::string>& rikkeet) {
    const std::string sivu = Nimi(puoli);
    const Ruudukko& ruudut = t.Ruudut(puoli);
    std::array<int, RUUTUJA + 1> omistajia{};
    int laiva = 0;
    for (const Laiva& l : t.Laivat(puoli)) {
        ++laiva;
        const std::string kuka = sivu + " ship " + std::to_string(laiva);
        const bool tyhja = std::ranges::all_of(l.ruudut, [](int r) { return r == -1; });
        const bool taysi = std::ranges::all_of(l.ruudut, OnRuudukossa);
        if (!tyhja && !taysi) rikkeet.push_back(kuka + ": record partly laid");
        if (l.sijoitettu != taysi) rikkeet.push_back(kuka + ": placed flag disagrees with record");
        if (!taysi) continue;
        if (!Suora({l.ruudut.begin(), l.ruudut.end()}))
            rikkeet.push_back(kuka + ": squares not in a straight unbroken line");
        for (int r : l.ruudut) {
            ++omistajia[static_cast<std::size_t>(r)];
            if (ruudut[r] != Sana::laiva && ruudut[r] != Sana::uponnut)
                rikkeet.push_back(kuka + ": square " + std::to_string(r) + " is not a ship square");
        }
    }
    if (ruudut[0] != Sana::tyhja) rikkeet.push_back(sivu + " grid: element 0 set");
    for (int r = 1; r <= RUUTUJA; ++r) {
        const Sana sana = ruudut[r];
        if (sana == Sana::tyhja)
            rikkeet.push_back(sivu + " square " + std::to_string(r) + " empty");
        const bool laivaa = sana == Sana::laiva || sana == Sana::uponnut;
        if (laivaa && omistajia[static_cast<std::size_t>(r)] != 1) {
            rikkeet.push_back(sivu + " square " + std::to_string(r) + " in " +
                              std::to_string(omistajia[static_cast<std::size_t>(r)]) + " records");
        }
    }
}

int Laskettu(const Ruudukko& ruudut, Sana sana) {
    return static_cast<int>(std::ranges::count(ruudut, sana));
}

int Sijoitettuja(Pelitila& t, Puoli puoli) {
    const auto laivat = t.Laivat(puoli);
    return static_cast<int>(
        std::ranges::count_if(laivat, [](const Laiva& l) { return l.sijoitettu; }));
}

}  // namespace

std::string Vaihe(const Pelitila& t) {
    const bool V = t.PelaajanVuoro, S = t.SijoitusKaynnissa, A = t.AmmuntaKaynnissa,
               P = t.PeliKaynnissa;
    if (V && S && !A) return "player placing";
    if (V && !S && A && P) return "player to shoot";
    if (!V && !S && A && P) return "computer shooting";
    if (!V && !S && !A && !P && t.PelaajanOsumat == 20) return "won";
    if (V && !S && !A && !P && t.KoneenOsumat == 20) return "lost";
    return "?";
}

std::vector<std::string> Tilarikkeet(Pelitila& t) {
    std::vector<std::string> rikkeet;
    TarkistaLaivasto(t, Puoli::Pelaaja, rikkeet);
    TarkistaLaivasto(t, Puoli::Kone, rikkeet);

    if (t.PelaajanOsumat != Laskettu(t.KoneenRuudut, Sana::uponnut))
        rikkeet.push_back("player's hits differ from the computer's sunk squares");
    if (t.KoneenOsumat != Laskettu(t.PelaajanRuudut, Sana::uponnut))
        rikkeet.push_back("computer's hits differ from the player's sunk squares");
    if (Sijoitettuja(t, Puoli::Kone) != 10) rikkeet.push_back("computer's fleet incomplete");

    // Between events the computer shoots only while its pause or a sinking
    // runs, and the pause runs in its turn alone.
    const std::string vaihe = Vaihe(t);
    if (vaihe == "?") rikkeet.push_back("phase flags make no phase between events");
    if (vaihe == "computer shooting" && !t.TauonLoppu && !t.Uppoamassa)
        rikkeet.push_back("the computer's turn stands still between events");
    if (t.TauonLoppu && vaihe != "computer shooting")
        rikkeet.push_back("the computer's pause outside its turn: " + vaihe);
    if (t.SijoitusKaynnissa && t.AmmuntaKaynnissa) rikkeet.push_back("placing and firing at once");
    const int omat = Sijoitettuja(t, Puoli::Pelaaja);
    if (vaihe == "player placing") {
        if (t.PelaajanOsumat != 0 || t.KoneenOsumat != 0) rikkeet.push_back("hits while placing");
        if (omat == 10) rikkeet.push_back("placing with the whole fleet laid");
    } else if (omat != 10) {
        rikkeet.push_back("firing or over with " + std::to_string(omat) + " ships laid");
    }
    if (vaihe == "player to shoot" && (t.PelaajanOsumat >= 20 || t.KoneenOsumat >= 20))
        rikkeet.push_back("game goes on after twenty hits");
    // Whether laid by clicks, by keys or at random, a fleet keeps its ships
    // apart; the player's by the corner rule, which cannot change while the
    // game runs, the computer's along the sides whatever rule came after.
    if (omat == 10 && t.PeliKaynnissa) {
        const std::string virhe = Laivastovirhe(t, Puoli::Pelaaja, t.LaivojenKulmatSaavatKoskettaa);
        if (!virhe.empty()) rikkeet.push_back("player's fleet: " + virhe);
    }
    if (const std::string virhe = Laivastovirhe(t, Puoli::Kone, true); !virhe.empty())
        rikkeet.push_back("computer's fleet: " + virhe);
    if (t.PerakkaisetVoitot < 0) rikkeet.push_back("negative streak");
    if (vaihe == "won" && t.PerakkaisetVoitot < 1) rikkeet.push_back("won without a streak");
    return rikkeet;
}
