#pragma once

// Another process that holds the hive locked for exactly as long as a test
// wants: the lock is taken when the constructor returns and let go when
// Vapauta() closes the process's standard input, whatever time has passed.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

extern char** environ;

class Lukitsija {
  public:
    // `ohjelma` is the locking program, `tapa` its optional second argument;
    // Lukittu() tells whether it said it holds the lock.
    Lukitsija(const std::string& ohjelma, const std::filesystem::path& pesa,
              std::string tapa = "") {
        int syote[2];
        int tuloste[2];
        if (pipe(syote) != 0 || pipe(tuloste) != 0) return;
        posix_spawn_file_actions_t toimet;
        posix_spawn_file_actions_init(&toimet);
        posix_spawn_file_actions_adddup2(&toimet, syote[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&toimet, tuloste[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&toimet, syote[1]);
        posix_spawn_file_actions_addclose(&toimet, tuloste[0]);
        std::string polku = pesa.string();
        std::string nimi = ohjelma;
        char* argumentit[] = {nimi.data(), polku.data(), tapa.empty() ? nullptr : tapa.data(),
                              nullptr};
        if (posix_spawn(&pid_, ohjelma.c_str(), &toimet, nullptr, argumentit, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&toimet);
        close(syote[0]);
        close(tuloste[1]);
        kirjoitus_ = syote[1];
        char rivi[8] = {};
        lukittu_ = read(tuloste[0], rivi, sizeof rivi) == 8 && std::string(rivi, 8) == "lukittu\n";
        close(tuloste[0]);
    }
    ~Lukitsija() { Vapauta(); }
    Lukitsija(const Lukitsija&) = delete;
    Lukitsija& operator=(const Lukitsija&) = delete;

    bool Lukittu() const { return lukittu_; }

    // Lets the lock go and waits for the process to end; its exit code.
    int Vapauta() {
        if (kirjoitus_ >= 0) close(kirjoitus_);
        kirjoitus_ = -1;
        if (pid_ < 0) return loppu_;
        int tila = 0;
        waitpid(pid_, &tila, 0);
        pid_ = -1;
        loppu_ = WIFEXITED(tila) ? WEXITSTATUS(tila) : -1;
        return loppu_;
    }

  private:
    pid_t pid_ = -1;
    int kirjoitus_ = -1;
    bool lukittu_ = false;
    int loppu_ = -1;
};
