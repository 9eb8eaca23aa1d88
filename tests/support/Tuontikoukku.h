#pragma once

// Sends every call a Windows test program makes to a function it imports
// from a DLL to a function of the test's own, by replacing the address in the
// program's import table. The test programs are linked statically, so the
// table serves all of their code, the store's included.

#include <windows.h>

#include <cstring>

// Returns the function the table held, or nullptr when the program imports
// none of that name.
template <typename Kutsu>
Kutsu KorvaaTuonti(const char* nimi, Kutsu korvaava) {
    auto* kanta = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(kanta);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(kanta + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& tuonnit =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    Kutsu alkuperainen = nullptr;
    for (auto* dll =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(kanta + tuonnit.VirtualAddress);
         dll->Name != 0; ++dll) {
        auto* nimet = reinterpret_cast<const IMAGE_THUNK_DATA*>(kanta + dll->OriginalFirstThunk);
        auto* osoitteet = reinterpret_cast<IMAGE_THUNK_DATA*>(kanta + dll->FirstThunk);
        for (; nimet->u1.AddressOfData != 0; ++nimet, ++osoitteet) {
            if (IMAGE_SNAP_BY_ORDINAL(nimet->u1.Ordinal)) continue;
            const auto* tuotu =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(kanta + nimet->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(tuotu->Name), nimi) != 0) continue;
            DWORD suojaus = 0;
            VirtualProtect(&osoitteet->u1.Function, sizeof osoitteet->u1.Function, PAGE_READWRITE,
                           &suojaus);
            alkuperainen = reinterpret_cast<Kutsu>(osoitteet->u1.Function);
            osoitteet->u1.Function = reinterpret_cast<ULONG_PTR>(korvaava);
            VirtualProtect(&osoitteet->u1.Function, sizeof osoitteet->u1.Function, suojaus,
                           &suojaus);
        }
    }
    return alkuperainen;
}
