#pragma once

#include <fstream>
#include <string>

// A process's resident memory in kibibytes, as the kernel counts it: this
// one's, or that of the process `pid` names; -1 when it cannot be read.
inline long ResidenttiKib(const std::string& pid = "self") {
    std::ifstream tila("/proc/" + pid + "/status");
    for (std::string rivi; std::getline(tila, rivi);) {
        if (rivi.rfind("VmRSS:", 0) == 0) return std::stol(rivi.substr(6));
    }
    return -1;
}
