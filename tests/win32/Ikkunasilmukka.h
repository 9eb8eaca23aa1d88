#pragma once

// The message loop of a test under Wine, turned until the program's own
// state is reached.

#include <windows.h>

#include <functional>

// Each round returns as soon as a message comes; false when `valmis` does not
// hold within 2000 rounds (at most 10 seconds of silence). `viestissa` sees
// each message first and takes it by returning true.
inline bool KierraViesteja(const std::function<bool()>& valmis,
                           const std::function<bool(const MSG&)>& viestissa) {
    for (int kierros = 0; kierros < 2000 && !valmis(); ++kierros) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG viesti;
        while (PeekMessageW(&viesti, nullptr, 0, 0, PM_REMOVE))
            if (!viestissa(viesti)) DispatchMessageW(&viesti);
    }
    return valmis();
}
