#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

// The friend's side of a network game for rules tests: its fleet, and the
// answer each shot at it gets, worked out here on its own.
class Ystava {
  public:
    explicit Ystava(const std::string& laivasto) {
        std::stringstream laivat(laivasto);
        for (std::string laiva; std::getline(laivat, laiva, '/');) {
            std::stringstream ruudut(laiva);
            laivat_.emplace_back();
            for (std::string ruutu; std::getline(ruudut, ruutu, ',');)
                laivat_.back().push_back(std::stoi(ruutu));
        }
    }

    // "OHI", "OSUI" or "UPPOSI" with the ship's squares as laid.
    std::string Vastaa(int ruutu) {
        osumat_.push_back(ruutu);
        for (const auto& laiva : laivat_) {
            if (std::ranges::find(laiva, ruutu) == laiva.end()) continue;
            if (!std::ranges::all_of(
                    laiva, [&](int r) { return std::ranges::find(osumat_, r) != osumat_.end(); }))
                return "OSUI";
            std::string rivi = "UPPOSI";
            for (int r : laiva) rivi += " " + std::to_string(r);
            return rivi;
        }
        return "OHI";
    }

    // Every square of the fleet, ship by ship.
    std::vector<int> Ruudut() const {
        std::vector<int> ruudut;
        for (const auto& laiva : laivat_) ruudut.insert(ruudut.end(), laiva.begin(), laiva.end());
        return ruudut;
    }

  private:
    std::vector<std::vector<int>> laivat_;
    std::vector<int> osumat_;
};
