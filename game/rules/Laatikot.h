#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rules/Nakyma.h"
#include "rules/Valintaikkunamalli.h"

// The message boxes, questions and dialogs open over the window, the last
// one on top, each with what follows its answer. A request returns at once:
// the face shows it and hands back its closing as an event, so no call of
// the rules is ever under way while one is open.
class Laatikot {
  public:
    explicit Laatikot(Nakyma& nakyma) : n(nakyma) {}

    void Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake,
                 std::function<void()> sitten);
    void Kysy(const std::string& otsikko, const std::string& teksti,
              std::function<void(bool)> sitten);
    // The dialog lives here while it is open.
    void Avaa(std::unique_ptr<Valintaikkunamalli> malli,
              std::function<void(Valintaikkunamalli&)> sitten);

    bool Auki() const { return !avoimet_.empty(); }
    // The dialog on top, if the top is one.
    Valintaikkunamalli* Dialogi() const;
    // The box on top closed: what waited for it follows. A dialog's own
    // question goes to that dialog, which stays open.
    void Vastattu(bool kylla);

  private:
    struct Avoin {
        std::function<void(bool)> sitten;
        std::unique_ptr<Valintaikkunamalli> malli;  // a dialog's; none for a box
    };

    Nakyma& n;
    std::vector<Avoin> avoimet_;
};
