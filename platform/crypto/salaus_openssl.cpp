#include <openssl/evp.h>
#include <openssl/rand.h>

#include <climits>

#include "platform/crypto/Salaus.h"

std::array<std::uint8_t, 32> Sha256(std::span<const std::uint8_t> tavut) {
    std::array<std::uint8_t, 32> tiiviste{};
    unsigned int pituus = 0;
    EVP_Digest(tavut.data(), tavut.size(), tiiviste.data(), &pituus, EVP_sha256(), nullptr);
    return tiiviste;
}

bool SatunnaisetTavut(std::span<std::uint8_t> tavut) {
    if (tavut.size() > INT_MAX) return false;
    return RAND_bytes(tavut.data(), static_cast<int>(tavut.size())) == 1;
}
