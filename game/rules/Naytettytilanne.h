#pragma once

#include <array>
#include <optional>
#include <string>

#include "rules/Komento.h"
#include "rules/Nakyma.h"

// What the main window was last handed of the state besides the grids, so
// that each showing hands it only what differs.
class Naytettytilanne {
  public:
    // What differs from the last handing; everything at the first, and the
    // keyboard once it has been handed over.
    Tilannemuutos Muutos(const Tilanne& uusi, const Kohdistus& nappaimisto);
    // Both buttons on or off for now, whatever the state says: the next
    // showing sets them by the state again.
    Tilannemuutos Painikkeet(bool kaytossa);

  private:
    static constexpr std::size_t KOMENTOJA = static_cast<std::size_t>(Komento::LopetaPainike) + 1;

    std::optional<std::string> otsikko_;
    std::optional<std::string> ohje_;
    std::optional<bool> laivastot_;
    std::array<std::optional<std::string>, 2> katsaus_;
    std::array<std::optional<Komentotila>, KOMENTOJA> komennot_;
    std::array<std::optional<int>, 2> kohdistus_;
    int luovutuksia_ = 0;
};
