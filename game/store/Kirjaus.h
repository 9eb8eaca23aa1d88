#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The journal of a save that writes several values under the game's key: the
// one value the store adds, REG_BINARY, present only while such a save is
// under way, or after one was cut until the next read finishes it. Programs
// that know nothing of it read the other values as they always have.
inline constexpr const char* KIRJAUKSEN_NIMI = "TallennusKesken";

// One value the save changes: its text as the store read it before the save
// ("Not Found" for none) and the text the save writes.
struct Muutos {
    std::string nimi;
    std::string ennen;
    std::string jalkeen;
};

// The journal's bytes: the line "Morvak-kirjaus 1", then for each change its
// name, text before and text after, each as its length in decimal, a colon
// and its bytes.
std::string KirjauksenTavut(const std::vector<Muutos>& muutokset);

// The changes a journal tells of, or nothing when these are not the bytes of
// a journal of this version that tells of at least one change.
std::optional<std::vector<Muutos>> PuraKirjaus(std::string_view tavut);
