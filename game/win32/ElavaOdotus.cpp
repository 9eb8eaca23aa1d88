#include "win32/ElavaOdotus.h"

#include <windows.h>

void OdotaElossa(std::chrono::milliseconds kesto) {
    const ULONGLONG raja = GetTickCount64() + static_cast<ULONGLONG>(kesto.count());
    for (ULONGLONG nyt = GetTickCount64(); nyt < raja; nyt = GetTickCount64()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(raja - nyt),
                                    QS_PAINT | QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        // Peeking delivers the sent messages; of the queue only a paint is
        // taken, one a round, so that the wait ends on time.
        MSG viesti;
        if (PeekMessageW(&viesti, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            DispatchMessageW(&viesti);
        }
    }
}
