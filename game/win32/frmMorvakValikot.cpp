#include <vector>

#include "Leveat.h"
#include "Viestit.h"
#include "frmMorvak.h"

// The menus and their shortcut keys from the command table.

namespace {

WORD Tunnus(Komento komento) {
    return static_cast<WORD>(viesti::KOMENTO_ENSIMMAINEN + static_cast<int>(komento));
}

const wchar_t* NappaimenNimi(Nappain nappain) { return nappain == Nappain::F1 ? L"F1" : L"F2"; }

WORD Virtuaalinappain(Nappain nappain) { return nappain == Nappain::F1 ? VK_F1 : VK_F2; }

}  // namespace

void frmMorvak::LuoValikot() {
    valikko_ = CreateMenu();
    std::vector<ACCEL> pikanappaimet;
    for (const Valikko& valikko : Valikot()) {
        HMENU kohdat = CreatePopupMenu();
        for (const Valikkokohta& kohta : valikko.kohdat) {
            if (!kohta.komento) {
                AppendMenuW(kohdat, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::wstring teksti = Leveaksi(kohta.teksti);
            const WORD tunnus = Tunnus(*kohta.komento);
            if (kohta.pikanappain == Nappain::F1 || kohta.pikanappain == Nappain::F2) {
                teksti += L'\t';
                teksti += NappaimenNimi(kohta.pikanappain);
                pikanappaimet.push_back({FVIRTKEY, Virtuaalinappain(kohta.pikanappain), tunnus});
            }
            AppendMenuW(kohdat, MF_STRING, tunnus, teksti.c_str());
        }
        AppendMenuW(valikko_, MF_POPUP, reinterpret_cast<UINT_PTR>(kohdat),
                    Leveaksi(valikko.teksti).c_str());
    }
    SetMenu(hwnd_, valikko_);
    pikanappaimet_ =
        CreateAcceleratorTableW(pikanappaimet.data(), static_cast<int>(pikanappaimet.size()));
}

void frmMorvak::SuoritaKomento(WORD tunnus) {
    if (tunnus >= viesti::KOMENTO_ENSIMMAINEN &&
        tunnus < viesti::KOMENTO_ENSIMMAINEN + viesti::KOMENTOJA) {
        const auto komento = static_cast<Komento>(tunnus - viesti::KOMENTO_ENSIMMAINEN);
        // A shortcut key reaches here even while its command is out of reach.
        if (Kaytossa(naytetty_, komento)) malli_.Suorita(komento);
        return;
    }
    for (int i = 0; i < 2; ++i) {
        if (tunnus == viesti::PAINIKE_ENSIMMAINEN + i) malli_.Suorita(Painikekomento(i));
    }
    if (tunnus != IDOK) return;
    // Enter: a focused button takes it, as in any window; otherwise the key
    // stands for its command.
    for (int i = 0; i < 2; ++i) {
        if (GetFocus() == cmdPainike_[static_cast<std::size_t>(i)]) {
            malli_.Suorita(Painikekomento(i));
            return;
        }
    }
    for (const Nappainkomento& komento : Nappainkomennot()) {
        if (komento.nappain == Nappain::Enter && Kaytossa(naytetty_, komento.komento))
            malli_.Suorita(komento.komento);
    }
}
