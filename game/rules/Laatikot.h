#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rules/Nakyma.h"
#include "rules/Valintaikkunamalli.h"

// A message box as every face shows it: its buttons left to right, the one
// Enter presses where that is not the one that has the keyboard, and whether
// Esc and the close box close it.
struct Laatikonmalli {
    // What a button answers.
    enum class Vastaus { Ok, Kylla, Ei };
    struct Painike {
        Vastaus vastaus;
        const char* teksti;
    };
    Kuvake kuvake;
    std::vector<Painike> painikkeet;
    std::optional<Vastaus> oletus;
    bool suljettava;
};
// A notice: OK alone, which Esc and the close box give as well.
Laatikonmalli Ilmoitus(Kuvake kuvake);
// A question: Yes and No, No the default, answered only by its buttons.
Laatikonmalli Vahvistus();

// The boxes and dialogs asked for that the face has yet to show, in the order
// asked. The face shows each from its own event loop, never inside the call
// that asked, and its answer is handed on once the box has gone.
class Laatikkojono {
  public:
    explicit Laatikkojono(std::function<void(bool)> vastattu) : vastattu_(std::move(vastattu)) {}

    // `nayta` shows the box modally and tells its answer.
    void Jonoon(std::function<bool()> nayta) { odottavat_.push_back(std::move(nayta)); }
    // The first box waiting, if any.
    void NaytaSeuraava();
    // Every box waiting in turn, those asked for meanwhile too.
    void NaytaOdottavat() {
        while (!odottavat_.empty()) NaytaSeuraava();
    }

  private:
    std::function<void(bool)> vastattu_;
    std::deque<std::function<bool()>> odottavat_;
};

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
