#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Cuts the bytes of a connection into lines as they arrive, however the
// reads split them.
class Rivinjako {
  public:
    // The longest line, its newline included.
    static constexpr std::size_t PISIN_RIVI = 256;

    // Appends the lines completed by `tavut`, without their newlines, to
    // `rivit`. False at the first line too long, with a NUL, or not UTF-8:
    // the lines before it are in `rivit`, and nothing after it counts.
    bool Lisaa(std::string_view tavut, std::vector<std::string>& rivit);

  private:
    std::string kesken_;
};
