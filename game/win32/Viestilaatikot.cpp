#include "win32/Viestilaatikot.h"

#include <commctrl.h>

#include "rules/Tekstit.h"
#include "win32/Leveat.h"

namespace {

struct Sisalto {
    std::wstring otsikko;
    std::wstring teksti;
};

TASKDIALOGCONFIG Asetukset(HWND omistaja, const Sisalto& sisalto, Kuvake kuvake) {
    TASKDIALOGCONFIG asetukset{};
    asetukset.cbSize = sizeof asetukset;
    asetukset.hwndParent = omistaja;
    asetukset.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW;
    asetukset.pszWindowTitle = sisalto.otsikko.c_str();
    asetukset.pszContent = sisalto.teksti.c_str();
    switch (kuvake) {
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
    return asetukset;
}

}  // namespace

void NaytaViesti(HWND omistaja, const std::string& otsikko, const std::string& teksti,
                 Kuvake kuvake) {
    const Sisalto sisalto{Leveaksi(otsikko), Leveaksi(teksti)};
    const std::wstring ok = Leveaksi(teksti::OK);
    const TASKDIALOG_BUTTON painikkeet[] = {{IDOK, ok.c_str()}};
    TASKDIALOGCONFIG asetukset = Asetukset(omistaja, sisalto, kuvake);
    // Esc and the close box close a box that only informs.
    asetukset.dwFlags |= TDF_ALLOW_DIALOG_CANCELLATION;
    asetukset.cButtons = 1;
    asetukset.pButtons = painikkeet;
    asetukset.nDefaultButton = IDOK;
    TaskDialogIndirect(&asetukset, nullptr, nullptr, nullptr);
}

bool KysyVahvistus(HWND omistaja, const std::string& otsikko, const std::string& teksti) {
    const Sisalto sisalto{Leveaksi(otsikko), Leveaksi(teksti)};
    const std::wstring kylla = Leveaksi(teksti::KYLLA);
    const std::wstring ei = Leveaksi(teksti::EI);
    const TASKDIALOG_BUTTON painikkeet[] = {{IDYES, kylla.c_str()}, {IDNO, ei.c_str()}};
    TASKDIALOGCONFIG asetukset = Asetukset(omistaja, sisalto, Kuvake::Kysymys);
    asetukset.cButtons = 2;
    asetukset.pButtons = painikkeet;
    asetukset.nDefaultButton = IDNO;
    int painettu = IDNO;
    if (FAILED(TaskDialogIndirect(&asetukset, &painettu, nullptr, nullptr))) return false;
    return painettu == IDYES;
}
