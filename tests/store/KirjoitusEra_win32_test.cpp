// The unit on Windows: a named mutex that every copy of the game finds by the
// key's name, whatever the spelling of the path.

#include <gtest/gtest.h>

#include <thread>

#include "platform/registry/kirjoitusera.h"

namespace {

constexpr const wchar_t* MUTEKSI = L"Local\\Morvak-80000001-software/relvano/morvak 1.2 freeware";

// Whether another copy could take the key's mutex at once. A mutex belongs
// to a thread, so the try is made from a thread of its own.
bool Vapaa() {
    bool vapaa = false;
    std::thread([&] {
        const HANDLE muteksi = OpenMutexW(SYNCHRONIZE, FALSE, MUTEKSI);
        if (muteksi == nullptr) {
            vapaa = GetLastError() == ERROR_FILE_NOT_FOUND;
            return;
        }
        const DWORD odotus = WaitForSingleObject(muteksi, 0);
        vapaa = odotus == WAIT_OBJECT_0 || odotus == WAIT_ABANDONED;
        if (vapaa) ReleaseMutex(muteksi);
        CloseHandle(muteksi);
    }).join();
    return vapaa;
}

TEST(KirjoitusEra, HoldsTheKeysMutexUntilItEnds) {
    {
        KirjoitusEra era(HKEY_CURRENT_USER, "Software\\Relvano\\Morvak 1.2 Freeware\\");
        ASSERT_TRUE(era.Auki());
        EXPECT_FALSE(Vapaa());
        EXPECT_TRUE(era.Vahvista());
        EXPECT_TRUE(Vapaa());
    }
    {
        KirjoitusEra era(HKEY_CURRENT_USER, "SOFTWARE\\relvano\\Morvak 1.2 Freeware");
        ASSERT_TRUE(era.Auki());
        EXPECT_FALSE(Vapaa());
    }
    EXPECT_TRUE(Vapaa()) << "a unit ended unconfirmed lets the mutex go too";
}

// A copy killed inside its unit leaves the mutex abandoned; the next copy
// must not be locked out for good.
TEST(KirjoitusEra, TakesOverAMutexLeftByACopyThatEndedInsideItsUnit) {
    HANDLE jatetty = nullptr;
    std::thread([&] { jatetty = CreateMutexW(nullptr, TRUE, MUTEKSI); }).join();
    ASSERT_NE(jatetty, nullptr);
    {
        KirjoitusEra era(HKEY_CURRENT_USER, "Software\\Relvano\\Morvak 1.2 Freeware");
        EXPECT_TRUE(era.Auki());
        EXPECT_FALSE(Vapaa());
    }
    CloseHandle(jatetty);
}

}  // namespace
