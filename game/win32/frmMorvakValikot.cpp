#include <optional>
#include <vector>

#include "platform/text/leveat.h"
#include "win32/Viestit.h"
#include "win32/frmMorvak.h"

// The menus and their shortcut keys from the command table.

namespace {

WORD Tunnus(Komento komento) {
    return static_cast<WORD>(viesti::KOMENTO_ENSIMMAINEN + static_cast<int>(komento));
}

// A menu shortcut: its name after the caption and its virtual key. Enter
// belongs to the window's buttons, never to a menu item.
struct Pikanappain {
    const wchar_t* nimi;
    WORD virtuaalinappain;
};

std::optional<Pikanappain> Pikanappaimena(Nappain nappain) {
    switch (nappain) {
        case Nappain::F1:
            return Pikanappain{L"F1", VK_F1};
        case Nappain::F2:
            return Pikanappain{L"F2", VK_F2};
        case Nappain::F3:
            return Pikanappain{L"F3", VK_F3};
        case Nappain::Ei:
        case Nappain::Enter:
            break;
    }
    return std::nullopt;
}

// The menu command behind an identifier, if the menus carry one.
std::optional<Komento> Valikkokomento(WORD tunnus) {
    for (const Valikko& valikko : Valikot()) {
        for (const Valikkokohta& kohta : valikko.kohdat) {
            if (kohta.komento && Tunnus(*kohta.komento) == tunnus) return kohta.komento;
        }
    }
    return std::nullopt;
}

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
            if (const auto pikanappain = Pikanappaimena(kohta.pikanappain)) {
                teksti += L'\t';
                teksti += pikanappain->nimi;
                pikanappaimet.push_back({FVIRTKEY, pikanappain->virtuaalinappain, tunnus});
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
    if (const auto komento = Valikkokomento(tunnus)) {
        malli_.Tapahtuu(KomentoValittu{*komento});
        return;
    }
    for (int i = 0; i < 2; ++i) {
        if (tunnus == viesti::PAINIKE_ENSIMMAINEN + i)
            malli_.Tapahtuu(KomentoValittu{Painikekomento(i)});
    }
    if (tunnus != IDOK) return;
    // Enter: a focused button takes it, as in any window.
    for (int i = 0; i < 2; ++i) {
        if (GetFocus() == cmdPainike_[static_cast<std::size_t>(i)]) {
            malli_.Tapahtuu(KomentoValittu{Painikekomento(i)});
            return;
        }
    }
    malli_.Tapahtuu(EnterPainettu{});
}
