#include "win32/Viestilaatikot.h"

#include <commctrl.h>

#include <vector>

#include "platform/text/leveat.h"

namespace {

// In the order of Vastaus.
constexpr int TUNNUKSET[] = {IDOK, IDYES, IDNO};
int Tunnus(Laatikonmalli::Vastaus vastaus) { return TUNNUKSET[static_cast<int>(vastaus)]; }

}  // namespace

bool NaytaLaatikko(HWND omistaja, const std::string& otsikko, const std::string& teksti,
                   const Laatikonmalli& malli) {
    const std::wstring leveaOtsikko = Leveaksi(otsikko);
    const std::wstring leveaTeksti = Leveaksi(teksti);
    // The buttons point into their names, which stay where they are made.
    std::vector<std::wstring> nimet;
    nimet.reserve(malli.painikkeet.size());
    std::vector<TASKDIALOG_BUTTON> painikkeet;
    for (const auto& [vastaus, nimi] : malli.painikkeet)
        painikkeet.push_back({Tunnus(vastaus), nimet.emplace_back(Leveaksi(nimi)).c_str()});
    TASKDIALOGCONFIG asetukset{};
    asetukset.cbSize = sizeof asetukset;
    asetukset.hwndParent = omistaja;
    asetukset.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW;
    if (malli.suljettava) asetukset.dwFlags |= TDF_ALLOW_DIALOG_CANCELLATION;
    asetukset.pszWindowTitle = leveaOtsikko.c_str();
    asetukset.pszContent = leveaTeksti.c_str();
    asetukset.cButtons = static_cast<UINT>(painikkeet.size());
    asetukset.pButtons = painikkeet.data();
    asetukset.nDefaultButton = Tunnus(malli.oletus.value_or(malli.painikkeet.front().vastaus));
    switch (malli.kuvake) {
        case Kuvake::Tieto:
            asetukset.pszMainIcon = TD_INFORMATION_ICON;
            break;
        case Kuvake::Huutomerkki:
            asetukset.pszMainIcon = TD_WARNING_ICON;
            break;
        case Kuvake::Kysymys:
            // Task dialogs have no question mark of their own; the system's
            // message-box one is the same picture.
            asetukset.dwFlags |= TDF_USE_HICON_MAIN;
            asetukset.hMainIcon = LoadIconW(nullptr, IDI_QUESTION);
            break;
        case Kuvake::Ei:
            break;
    }
    int painettu = IDNO;
    if (FAILED(TaskDialogIndirect(&asetukset, &painettu, nullptr, nullptr))) return false;
    return painettu == IDYES;
}
