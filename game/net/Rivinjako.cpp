#include "net/Rivinjako.h"

#include "rules/network/Utf8.h"

namespace {

bool KelpoRivi(std::string_view rivi) {
    return rivi.find('\0') == std::string_view::npos && KelvollinenUtf8(rivi);
}

}  // namespace

bool Rivinjako::Lisaa(std::string_view tavut, std::vector<std::string>& rivit) {
    while (!tavut.empty()) {
        const std::size_t loppu = tavut.find('\n');
        const std::size_t otetaan = loppu == std::string_view::npos ? tavut.size() : loppu;
        // Without its newline a line may be one byte shorter than the limit.
        if (kesken_.size() + otetaan >= PISIN_RIVI) return false;
        kesken_.append(tavut.substr(0, otetaan));
        if (loppu == std::string_view::npos) return true;
        if (!KelpoRivi(kesken_)) return false;
        rivit.push_back(std::move(kesken_));
        kesken_.clear();
        tavut.remove_prefix(loppu + 1);
    }
    return true;
}
