#pragma once

// The check of the kill tests, on both platforms: after the saver
// (tests/faults/Tallentaja.cpp) is cut in the middle of a save, a fresh read
// through the store finds exactly the values before that save or exactly the
// values after it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "store/mdlMorvak2.h"
#include "tests/faults/Katkaisija.h"

#ifndef _WIN32
#include <sys/wait.h>

#include <csignal>
#endif

namespace katko {

#ifdef _WIN32
inline FILE* Putki(const std::string& komento) { return _popen(komento.c_str(), "r"); }
inline int SuljePutki(FILE* putki) { return _pclose(putki); }
#else
inline FILE* Putki(const std::string& komento) { return popen(komento.c_str(), "r"); }
inline int SuljePutki(FILE* putki) { return pclose(putki); }
#endif

enum class Tallennus { Lista, Asetukset };

// The saver's name for the save it repeats.
inline const char* Nimi(Tallennus tallennus) {
    return tallennus == Tallennus::Lista ? "lista" : "asetukset";
}

// How a test's name and its failures show the save.
inline void PrintTo(Tallennus tallennus, std::ostream* virta) { *virta << Nimi(tallennus); }

// The values a save writes, in the order it writes them.
inline std::vector<std::string> Nimet(Tallennus tallennus) {
    if (tallennus == Tallennus::Asetukset) {
        return {"PelinAloitustapa", "LaivojenKulmatSaavatKoskettaa", "LaivaSaaSijaitaReunassa",
                "NaytetaanLaivojenUppoaminen"};
    }
    std::vector<std::string> nimet;
    for (int i = 0; i < 10; ++i) {
        nimet.push_back("ParasPelaaja" + std::to_string(i));
        nimet.push_back("ParasTulos" + std::to_string(i));
    }
    return nimet;
}

// Round k of the saver: place i named "P<k>-<i>" with the score k modulo
// 30000; or the start mode "T<k>" with the three rules all "True" in even
// rounds and all "False" in odd ones, so that every value changes from one
// round to the next.
inline std::vector<std::string> Kierroksen(Tallennus tallennus, long k) {
    if (tallennus == Tallennus::Asetukset) {
        const std::string saanto = k % 2 == 0 ? "True" : "False";
        return {"T" + std::to_string(k), saanto, saanto, saanto};
    }
    std::vector<std::string> tekstit;
    for (int i = 0; i < 10; ++i) {
        tekstit.push_back("P" + std::to_string(k) + "-" + std::to_string(i));
        tekstit.push_back(std::to_string(k % 30000));
    }
    return tekstit;
}

inline std::vector<std::string> Tallessa(Tallennus tallennus) {
    std::vector<std::string> tekstit;
    for (const std::string& nimi : Nimet(tallennus)) {
        tekstit.push_back(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi));
    }
    return tekstit;
}

// Follows the store from one kill of the saver to the next.
class Seuranta {
  public:
    // `alku`: the round the saver starts from while none is stored.
    Seuranta(Tallennus tallennus, long alku)
        : tallennus_(tallennus), alku_(alku), alussa_(Tallessa(tallennus)) {}

    // The round the saver starts from next: the one after the round stored,
    // so that every value the save writes changes.
    long Alku() const { return tallessa_ ? *tallessa_ + 1 : alku_; }

    // Runs the saver, the program `tallentaja`, from Alku() until it kills
    // itself at moment `n`, and checks what a fresh read finds then.
    // `tallensi` tells whether it stored a whole round before the kill.
    ::testing::AssertionResult Katkaise(const std::string& tallentaja, long n, bool& tallensi) {
#ifdef _WIN32
        const std::string ohjelma = "\"" + tallentaja + "\" ";
#else
        // The shell gives way to the saver, so that its kill is seen.
        const std::string ohjelma = "exec '" + tallentaja + "' ";
#endif
        const std::string komento =
            ohjelma + Nimi(tallennus_) + " " + std::to_string(Alku()) + " " + std::to_string(n);
        FILE* tuloste = Putki(komento);
        if (tuloste == nullptr) return ::testing::AssertionFailure() << "no saver: " << komento;
        std::optional<long> viimeinen;
        char rivi[32];
        while (std::fgets(rivi, sizeof rivi, tuloste) != nullptr) {
            viimeinen = std::strtol(rivi, nullptr, 10);
        }
        const int loppu = SuljePutki(tuloste);
        tallensi = viimeinen.has_value();
#ifdef _WIN32
        const bool katkaistu = loppu == static_cast<int>(KATKAISTU);
#else
        const bool katkaistu = WIFSIGNALED(loppu) && WTERMSIG(loppu) == SIGKILL;
#endif
        if (!katkaistu) return ::testing::AssertionFailure() << "the saver ended by itself";
        return KatkonJalkeen(viimeinen);
    }

    int vanhoja = 0;
    int uusia = 0;

  private:
    // The save the kill cut is the one after the last round printed.
    ::testing::AssertionResult KatkonJalkeen(std::optional<long> viimeinen) {
        const std::optional<long> vanha = viimeinen ? viimeinen : tallessa_;
        const long uusi = viimeinen ? *viimeinen + 1 : Alku();
        const std::vector<std::string> luettu = Tallessa(tallennus_);
        if (luettu == (vanha ? Kierroksen(tallennus_, *vanha) : alussa_)) {
            ++vanhoja;
            tallessa_ = vanha;
            return ::testing::AssertionSuccess();
        }
        if (luettu == Kierroksen(tallennus_, uusi)) {
            ++uusia;
            tallessa_ = uusi;
            return ::testing::AssertionSuccess();
        }
        std::string tekstit;
        for (const std::string& teksti : luettu) tekstit += teksti + " ";
        return ::testing::AssertionFailure()
               << "neither before nor after the cut save: " << tekstit;
    }

    Tallennus tallennus_;
    long alku_;
    std::vector<std::string> alussa_;
    std::optional<long> tallessa_;
};

}  // namespace katko
