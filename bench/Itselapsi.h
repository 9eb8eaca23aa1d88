#pragma once

// This very program started again as a child with the arguments given, and
// the first line it writes to its standard output: how a benchmark measures
// a game process that nothing else runs in.

#include <spawn.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

extern char** environ;

struct Itselapsi {
    pid_t pid;
    std::string tuloste;  // empty when the child wrote nothing
};

inline std::optional<Itselapsi> KaynnistaItse(std::vector<std::string> argumentit) {
    char ohjelma[4096] = {};
    int putki[2];
    if (readlink("/proc/self/exe", ohjelma, sizeof ohjelma - 1) < 0 || pipe(putki) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t toimet;
    posix_spawn_file_actions_init(&toimet);
    posix_spawn_file_actions_adddup2(&toimet, putki[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&toimet, putki[0]);
    std::vector<char*> argv{ohjelma};
    for (std::string& argumentti : argumentit) argv.push_back(argumentti.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const bool kaynnistyi = posix_spawn(&pid, ohjelma, &toimet, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&toimet);
    close(putki[1]);
    char rivi[64] = {};
    const ssize_t luettu = kaynnistyi ? read(putki[0], rivi, sizeof rivi - 1) : 0;
    close(putki[0]);
    if (!kaynnistyi) return std::nullopt;
    return Itselapsi{pid, luettu > 0 ? std::string(rivi, static_cast<std::size_t>(luettu)) : ""};
}
