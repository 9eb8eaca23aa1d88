#include "tests/store/Prosessi.h"

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

Prosessi::Prosessi(const std::string& ohjelma, const std::vector<std::string>& argumentit,
                   std::optional<uid_t> kayttaja) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(ohjelma.c_str()));
    for (const auto& argumentti : argumentit) argv.push_back(const_cast<char*>(argumentti.c_str()));
    argv.push_back(nullptr);

    const passwd* tili = kayttaja ? getpwuid(*kayttaja) : nullptr;
    const gid_t ryhma = tili != nullptr ? tili->pw_gid : getgid();

    int putki[2];
    if (pipe(putki) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(putki[1], STDOUT_FILENO);
        close(putki[0]);
        close(putki[1]);
        if (kayttaja && (setgid(ryhma) != 0 || setuid(*kayttaja) != 0)) _exit(126);
        execv(ohjelma.c_str(), argv.data());
        _exit(127);
    }
    close(putki[1]);
    putki_ = putki[0];
}

Prosessi::~Prosessi() {
    if (pid_ > 0) Odota();
}

int Prosessi::Odota() {
    if (putki_ >= 0) {
        char puskuri[256];
        for (ssize_t n; (n = read(putki_, puskuri, sizeof puskuri)) > 0;) {
            tuloste_.append(puskuri, static_cast<std::size_t>(n));
        }
        close(putki_);
        putki_ = -1;
    }
    int tila = 0;
    if (pid_ <= 0 || waitpid(pid_, &tila, 0) != pid_) return -1;
    pid_ = -1;
    return WIFEXITED(tila) ? WEXITSTATUS(tila) : -1;
}
