#include <windows.h>
// Only after the types it is declared with.
#include <bcrypt.h>

#include "platform/crypto/Salaus.h"

std::array<std::uint8_t, 32> Sha256(std::span<const std::uint8_t> tavut) {
    std::array<std::uint8_t, 32> tiiviste{};
    BCRYPT_ALG_HANDLE algoritmi = nullptr;
    if (!BCRYPT_SUCCESS(
            BCryptOpenAlgorithmProvider(&algoritmi, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
        return tiiviste;
    BCRYPT_HASH_HANDLE laskenta = nullptr;
    if (BCRYPT_SUCCESS(BCryptCreateHash(algoritmi, &laskenta, nullptr, 0, nullptr, 0, 0))) {
        BCryptHashData(laskenta, const_cast<PUCHAR>(tavut.data()), static_cast<ULONG>(tavut.size()),
                       0);
        BCryptFinishHash(laskenta, tiiviste.data(), static_cast<ULONG>(tiiviste.size()), 0);
        BCryptDestroyHash(laskenta);
    }
    BCryptCloseAlgorithmProvider(algoritmi, 0);
    return tiiviste;
}

bool SatunnaisetTavut(std::span<std::uint8_t> tavut) {
    return BCRYPT_SUCCESS(BCryptGenRandom(nullptr, tavut.data(), static_cast<ULONG>(tavut.size()),
                                          BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}
