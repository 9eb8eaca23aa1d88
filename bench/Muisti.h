#pragma once

#include <fstream>
#include <string>

// This process's resident memory in kibibytes, as the kernel counts it;
// -1 when it cannot be read.
inline long ResidenttiKib() {
    std::ifstream tila("/proc/self/status");
    for (std::string rivi; std::getline(tila, rivi);) {
        if (rivi.rfind("VmRSS:", 0) == 0) return std::stol(rivi.substr(6));
    }
    return -1;
}
