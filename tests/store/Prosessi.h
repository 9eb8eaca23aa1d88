#pragma once

// Starts a program as a separate process for tests that need a second copy
// of the game, optionally as another user, and collects what it printed.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class Prosessi {
  public:
    // Starts `ohjelma` with `argumentit`; as the user `kayttaja` when given,
    // which needs root.
    Prosessi(const std::string& ohjelma, const std::vector<std::string>& argumentit,
             std::optional<uid_t> kayttaja = std::nullopt);
    ~Prosessi();
    Prosessi(const Prosessi&) = delete;
    Prosessi& operator=(const Prosessi&) = delete;

    // Waits for the end; the exit code, or -1 when it did not exit normally.
    int Odota();
    const std::string& Tuloste() const { return tuloste_; }

  private:
    pid_t pid_ = -1;
    int putki_ = -1;
    std::string tuloste_;
};
