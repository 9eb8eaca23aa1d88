#include "sound/Resurssiaanet.h"

// Only after the types it is declared with.
#include <mmsystem.h>

namespace {

// aanet.rc numbers the sounds from here in the order of Aani.
constexpr int AANI_ENSIMMAINEN = 101;

}  // namespace

void Resurssiaanet::Soita(Aani aani) {
    if (!yritetty_) {
        yritetty_ = true;
        // Only Windows' own copy, never one lying beside the program.
        if (HMODULE winmm = LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
            playSound_ = reinterpret_cast<PlaySoundW_t>(
                reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundW")));
    }
    if (playSound_ == nullptr) return;
    playSound_(MAKEINTRESOURCEW(AANI_ENSIMMAINEN + static_cast<int>(aani)), ohjelma_,
               SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}
