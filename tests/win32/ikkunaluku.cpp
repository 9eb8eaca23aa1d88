// Reads and drives the game's windows through the window system, as a player
// would see and use them, for the end-to-end runs of morvak.exe under Wine.
// Texts go in and come out in UTF-8.
//
//   ikkunaluku odota <otsikko> [<rivi>]   waits until a window so titled shows,
//                                         and until lue prints that line
//   ikkunaluku poissa <otsikko>           waits until no window so titled shows
//   ikkunaluku lue <otsikko>              its controls, one a line, in Tab order
//   ikkunaluku koko <otsikko>             the client area's width and height
//   ikkunaluku paina <otsikko> <painike>  presses the button with that caption
//   ikkunaluku kirjoita <otsikko> <teksti>  puts the text in its text box
//   ikkunaluku tuplanapsauta <otsikko> <teksti>
//                                         double-clicks the control showing
//                                         that text, as the mouse does
//   ikkunaluku kirjaa <kansio> <teksti>   writes the text to a file of its
//                                         own in the folder: a program the
//                                         shell starts, counting its starts
//   ikkunaluku sulje <otsikko>            the close box
//   ikkunaluku ruudukot [<odotettu>]      both grids of the main window, a letter a square;
//                                         with the text expected, waits until
//                                         they show it
//   ikkunaluku montako <otsikko>          how many windows so titled show
//   ikkunaluku varit [<x> <y>]            colours and a digest of the pixels
//                                         of every square, from the
//                                         client area at x, y of the screen
//   ikkunaluku napsauta <pelaaja|kone> <ruutu> [oikea]
//   ikkunaluku ammu <ruutu>...            shoots at those still unshot, in
//                                         turn, until the game ends
//   ikkunaluku uppoaa <ruutu>             shoots at the computer's square and
//                                         prints "uppoaa" once water has risen
//                                         over it, or "ei uponnut" when the
//                                         turn came back without
//   ikkunaluku varissa <x> <y> <RRGGBB>   prints "valmis", then waits until the
//                                         screen has that colour at x, y and
//                                         prints the time, ns since 1970
//   ikkunaluku nimi <pelaaja|kone> <ruutu> [<nimi>]
//                                         the square's name as assistive
//                                         technology reads it; with a name,
//                                         waits until it reads so
//   ikkunaluku kohdistus [<rivi>]         what has the keyboard: the focus
//                                         square's name on a grid, else the
//                                         control as lue prints it; with a
//                                         line, waits until it is that
//   ikkunaluku kuulee <pelaaja|kone> <ruutu>
//                                         clicks the square and prints, as
//                                         assistive technology hears them,
//                                         the new instruction line, the
//                                         square's new name and what the
//                                         live region announces
//   ikkunaluku nappaimin                  shoots at every square still
//                                         unshot with the arrow keys and
//                                         Space, until the game ends
//   ikkunaluku vuoro <edellinen>          in a match against a friend, waits
//                                         until the turn is another than the
//                                         one given and prints it: oma,
//                                         ystava or the end box's title;
//                                         for a turn, the grids too
//   ikkunaluku pida                       holds the game's store as another
//                                         copy in the middle of its save
//                                         does, prints "pidetään", and lets
//                                         go once its input ends
//
// Every wait is bounded; a window that never comes is an error (exit 1).

#include <windows.h>
// Only after the types it is declared with.
#include <oleacc.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/win32/Nayttopisteet.h"

namespace {

using namespace std::chrono_literals;

constexpr auto ODOTUS = 60s;
// The probe for water, near the tile's bottom edge below its centre.
constexpr int POHJAN_ETAISYYS = 10;

std::string Utf8(const std::wstring& teksti) {
    if (teksti.empty()) return {};
    const int pituus = WideCharToMultiByte(
        CP_UTF8, 0, teksti.data(), static_cast<int>(teksti.size()), nullptr, 0, nullptr, nullptr);
    std::string tulos(static_cast<std::size_t>(pituus), '\0');
    WideCharToMultiByte(CP_UTF8, 0, teksti.data(), static_cast<int>(teksti.size()), tulos.data(),
                        pituus, nullptr, nullptr);
    return tulos;
}

// Asked of the control itself: the window system keeps no copy of a text
// box's text for other processes to read.
std::wstring Teksti(HWND ikkuna) {
    DWORD_PTR pituus = 0;
    SendMessageTimeoutW(ikkuna, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &pituus);
    std::wstring teksti(pituus + 1, L'\0');
    DWORD_PTR luettu = 0;
    SendMessageTimeoutW(ikkuna, WM_GETTEXT, teksti.size(), reinterpret_cast<LPARAM>(teksti.data()),
                        SMTO_ABORTIFHUNG, 5000, &luettu);
    teksti.resize(luettu);
    return teksti;
}

std::wstring Luokka(HWND ikkuna) {
    wchar_t luokka[64] = {};
    GetClassNameW(ikkuna, luokka, 64);
    return luokka;
}

struct Haku {
    std::wstring otsikko;
    HWND loydetty = nullptr;
};

BOOL CALLBACK Vertaa(HWND ikkuna, LPARAM tiedot) {
    auto* haku = reinterpret_cast<Haku*>(tiedot);
    if (!IsWindowVisible(ikkuna) || Teksti(ikkuna) != haku->otsikko) return TRUE;
    haku->loydetty = ikkuna;
    return FALSE;
}

HWND Etsi(const std::wstring& otsikko) {
    Haku haku{otsikko};
    EnumWindows(Vertaa, reinterpret_cast<LPARAM>(&haku));
    return haku.loydetty;
}

template <class Ehto>
bool Odota(Ehto ehto) {
    const auto raja = std::chrono::steady_clock::now() + ODOTUS;
    while (!ehto()) {
        if (std::chrono::steady_clock::now() > raja) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

HWND OdotaIkkunaa(const std::wstring& otsikko) {
    HWND ikkuna = nullptr;
    if (!Odota([&] { return (ikkuna = Etsi(otsikko)) != nullptr; })) {
        std::fprintf(stderr, "ikkunaa \"%s\" ei tullut\n", Utf8(otsikko).c_str());
        std::exit(1);
    }
    return ikkuna;
}

std::vector<HWND> Osat(HWND ikkuna) {
    std::vector<HWND> osat;
    for (HWND osa = GetWindow(ikkuna, GW_CHILD); osa != nullptr; osa = GetWindow(osa, GW_HWNDNEXT))
        osat.push_back(osa);
    return osat;
}

// What kind of control the player sees, and its state.
std::string Kuvaus(HWND osa) {
    const std::wstring luokka = Luokka(osa);
    const LONG tyyli = GetWindowLongW(osa, GWL_STYLE);
    std::string laji = "teksti";
    std::string tila;
    if (_wcsicmp(luokka.c_str(), L"Button") == 0) {
        const LONG nappi = tyyli & BS_TYPEMASK;
        if (nappi == BS_GROUPBOX) {
            laji = "kehys";
        } else if (nappi == BS_AUTOCHECKBOX || nappi == BS_CHECKBOX ||
                   nappi == BS_AUTORADIOBUTTON || nappi == BS_RADIOBUTTON) {
            laji =
                nappi == BS_AUTOCHECKBOX || nappi == BS_CHECKBOX ? "valintaruutu" : "valintanappi";
            if (SendMessageW(osa, BM_GETCHECK, 0, 0) == BST_CHECKED) tila += " [valittu]";
        } else {
            laji = "painike";
            if (nappi == BS_DEFPUSHBUTTON) tila += " [oletus]";
        }
    } else if (_wcsicmp(luokka.c_str(), L"Edit") == 0) {
        laji = "kenttä";
        DWORD alku = 0;
        DWORD loppu = 0;
        SendMessageW(osa, EM_GETSEL, reinterpret_cast<WPARAM>(&alku),
                     reinterpret_cast<LPARAM>(&loppu));
        tila += " [valittuna " + std::to_string(alku) + "-" + std::to_string(loppu) + "]";
    }
    if (!IsWindowEnabled(osa)) tila += " [pois]";
    return laji + ": " + Utf8(Teksti(osa)) + tila;
}

std::vector<std::string> Rivit(HWND ikkuna) {
    std::vector<std::string> rivit;
    for (HWND osa : Osat(ikkuna)) {
        RECT alue{};
        GetClientRect(osa, &alue);
        // A control of no size is seen by no player.
        const bool nakyy = IsWindowVisible(osa) && !IsRectEmpty(&alue);
        if (nakyy && !Teksti(osa).empty()) rivit.push_back(Kuvaus(osa));
    }
    return rivit;
}

int Lue(HWND ikkuna) {
    for (const std::string& rivi : Rivit(ikkuna)) std::printf("%s\n", rivi.c_str());
    return 0;
}

int OdotaRivia(HWND ikkuna, const std::string& rivi) {
    const bool nakyy = Odota([&] {
        for (const std::string& luettu : Rivit(ikkuna)) {
            if (luettu == rivi) return true;
        }
        return false;
    });
    if (!nakyy) std::fprintf(stderr, "rivi \"%s\" ei tullut näkyviin\n", rivi.c_str());
    return nakyy ? 0 : 1;
}

HWND Painike(HWND ikkuna, const std::wstring& teksti) {
    for (HWND osa : Osat(ikkuna)) {
        if (_wcsicmp(Luokka(osa).c_str(), L"Button") == 0 && Teksti(osa) == teksti) return osa;
    }
    return nullptr;
}

int Paina(HWND ikkuna, const std::wstring& teksti) {
    HWND painike = Painike(ikkuna, teksti);
    if (painike == nullptr) {
        std::fprintf(stderr, "ei painiketta \"%s\"\n", Utf8(teksti).c_str());
        return 1;
    }
    PostMessageW(painike, BM_CLICK, 0, 0);
    return 0;
}

int Kirjoita(HWND ikkuna, const std::wstring& teksti) {
    for (HWND osa : Osat(ikkuna)) {
        if (_wcsicmp(Luokka(osa).c_str(), L"Edit") != 0) continue;
        SendMessageW(osa, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(teksti.c_str()));
        return 0;
    }
    std::fprintf(stderr, "ei tekstikenttää\n");
    return 1;
}

// Two clicks of the left button, the pointer over the control's middle.
int Tuplanapsauta(HWND ikkuna, const std::wstring& teksti) {
    for (HWND osa : Osat(ikkuna)) {
        if (Teksti(osa) != teksti) continue;
        RECT alue{};
        GetWindowRect(osa, &alue);
        SetCursorPos((alue.left + alue.right) / 2, (alue.top + alue.bottom) / 2);
        INPUT syotteet[4] = {};
        for (int i = 0; i < 4; ++i) {
            syotteet[i].type = INPUT_MOUSE;
            syotteet[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        }
        SendInput(4, syotteet, sizeof(INPUT));
        return 0;
    }
    std::fprintf(stderr, "ei osaa \"%s\"\n", Utf8(teksti).c_str());
    return 1;
}

// Starts that come at once each get a file: only one can create a name.
int Kirjaa(const std::wstring& kansio, const std::wstring& teksti) {
    for (int i = 1; i < 1000; ++i) {
        const std::wstring nimi = kansio + L"\\" + std::to_wstring(i) + L".txt";
        HANDLE tiedosto = CreateFileW(nimi.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (tiedosto == INVALID_HANDLE_VALUE) continue;
        const std::string sisalto = Utf8(teksti);
        DWORD kirjoitettu = 0;
        WriteFile(tiedosto, sisalto.data(), static_cast<DWORD>(sisalto.size()), &kirjoitettu,
                  nullptr);
        CloseHandle(tiedosto);
        return 0;
    }
    return 1;
}

POINT Alkupiste(HWND ikkuna) {
    POINT alku{0, 0};
    ClientToScreen(ikkuna, &alku);
    return alku;
}

// A click as the mouse makes it: the pointer goes to the square first.
void Napsauta(HWND ikkuna, Puoli puoli, int ruutu, bool oikea) {
    const POINT alku = Alkupiste(ikkuna);
    const POINT kohta = Keskipiste(puoli, ruutu);
    SetCursorPos(alku.x + kohta.x, alku.y + kohta.y);
    INPUT syotteet[2] = {};
    syotteet[0].type = syotteet[1].type = INPUT_MOUSE;
    syotteet[0].mi.dwFlags = oikea ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    syotteet[1].mi.dwFlags = oikea ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, syotteet, sizeof(INPUT));
}

// The main window whatever its caption says: a match against a friend shows
// the score there.
HWND OdotaPelia() {
    HWND peli = nullptr;
    const bool nakyy = Odota([&] {
        peli = FindWindowW(L"frmMorvak", nullptr);
        return peli != nullptr && IsWindowVisible(peli);
    });
    if (!nakyy) {
        std::fprintf(stderr, "pääikkunaa ei tullut\n");
        std::exit(1);
    }
    return peli;
}

const std::wstring PELAAJAN_VUORO =
    L"Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.";

std::wstring Ohje(HWND peli) {
    for (HWND osa : Osat(peli)) {
        const std::wstring teksti = Teksti(osa);
        if (_wcsicmp(Luokka(osa).c_str(), L"Static") == 0 && !teksti.empty()) return teksti;
    }
    return {};
}

HWND Loppu() {
    for (const wchar_t* otsikko : {L"Voitit", L"Hävisit"}) {
        if (HWND ruutu = Etsi(otsikko)) return ruutu;
    }
    return nullptr;
}

// Each shot waits for the player's turn, and for the square to show what it
// hit before the next one.
int Ammu(const std::vector<int>& ruudut) {
    HWND peli = OdotaPelia();
    for (const int ruutu : ruudut) {
        if (!Odota([&] { return Loppu() != nullptr || Ohje(peli) == PELAAJAN_VUORO; })) return 1;
        if (Loppu() != nullptr) break;
        if (RuudunTila(peli, Puoli::Kone, ruutu) != 'V') continue;
        Napsauta(peli, Puoli::Kone, ruutu, false);
        if (!Odota([&] { return RuudunTila(peli, Puoli::Kone, ruutu) != 'V'; })) return 1;
    }
    HWND loppu = nullptr;
    if (!Odota([&] { return (loppu = Loppu()) != nullptr; })) return 1;
    std::printf("%s\n", Utf8(Teksti(loppu)).c_str());
    return 0;
}

// A sinking square's water rises from its bottom edge: the tile's rings there
// turn from the ship's greys to the water's blues while the ship sinks.
bool VettaPohjalla(HWND peli, int ruutu) {
    POINT kohta = Keskipiste(Puoli::Kone, ruutu);
    kohta.y += POHJAN_ETAISYYS;
    ClientToScreen(peli, &kohta);
    HDC naytto = GetDC(nullptr);
    const COLORREF vari = GetPixel(naytto, kohta.x, kohta.y);
    ReleaseDC(nullptr, naytto);
    return GetBValue(vari) > GetRValue(vari) + 0x20;
}

int Uppoaa(int ruutu) {
    HWND peli = OdotaPelia();
    if (!Odota([&] { return Ohje(peli) == PELAAJAN_VUORO; })) return 1;
    Napsauta(peli, Puoli::Kone, ruutu, false);
    // Water under a hit that still shows at the centre: only a sinking
    // square looks so, the square's water before the shot never does.
    bool vetta = false;
    const bool vuoroPalasi = Odota([&] {
        vetta =
            vetta || (RuudunTila(peli, Puoli::Kone, ruutu) == 'x' && VettaPohjalla(peli, ruutu));
        return Loppu() != nullptr || Ohje(peli) == PELAAJAN_VUORO;
    });
    std::printf("%s\n", vetta ? "uppoaa" : "ei uponnut");
    return vuoroPalasi ? 0 : 1;
}

int Montako(const std::wstring& otsikko) {
    struct Laskenta {
        std::wstring otsikko;
        int maara = 0;
    } laskenta{otsikko};
    EnumWindows(
        [](HWND ikkuna, LPARAM tiedot) -> BOOL {
            auto* l = reinterpret_cast<Laskenta*>(tiedot);
            if (IsWindowVisible(ikkuna) && Teksti(ikkuna) == l->otsikko) ++l->maara;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&laskenta));
    std::printf("%d\n", laskenta.maara);
    return 0;
}

std::string Ruudukkoteksti(HWND peli) {
    const Ruudukkotila tila = Ruudukot(peli);
    std::string teksti;
    for (int rivi = 0; rivi < 10; ++rivi) {
        if (rivi > 0) teksti += '\n';
        teksti.append(tila.pelaaja.data() + 1 + rivi * 10, 10);
        teksti += ' ';
        teksti.append(tila.kone.data() + 1 + rivi * 10, 10);
    }
    return teksti;
}

// Whose turn it is in a match against a friend, once it is no longer the
// one given: "oma", "ystava" while the friend shoots, or the title of the
// box that ended the game; for a turn, both grids after it.
int Vuoro(const std::string& edellinen) {
    HWND peli = OdotaPelia();
    const auto lue = [&]() -> std::string {
        if (HWND loppu = Loppu()) return Utf8(Teksti(loppu));
        const std::wstring ohje = Ohje(peli);
        if (ohje == PELAAJAN_VUORO) return "oma";
        if (ohje.starts_with(L"Odota hetki, ") && ohje.ends_with(L" ampuu jotakin ruuduistasi..."))
            return "ystava";
        return {};
    };
    std::string vuoro;
    if (!Odota([&] { return !(vuoro = lue()).empty() && vuoro != edellinen; })) {
        std::fprintf(stderr, "vuoro ei vaihtunut: \"%s\"\n", Utf8(Ohje(peli)).c_str());
        return 1;
    }
    std::printf("%s\n", vuoro.c_str());
    if (vuoro == "oma" || vuoro == "ystava") std::printf("%s\n", Ruudukkoteksti(peli).c_str());
    return 0;
}

// For measuring a start from outside: the first frame painted is the first
// moment a square's colour shows on the screen.
int OdotaVaria(int x, int y, unsigned vari) {
    std::printf("valmis\n");
    std::fflush(stdout);
    HDC naytto = GetDC(nullptr);
    const auto raja = std::chrono::steady_clock::now() + ODOTUS;
    for (;;) {
        const COLORREF nakyy = GetPixel(naytto, x, y);
        const unsigned rgb = static_cast<unsigned>(GetRValue(nakyy)) << 16 |
                             static_cast<unsigned>(GetGValue(nakyy)) << 8 | GetBValue(nakyy);
        if (rgb == vari) break;
        if (std::chrono::steady_clock::now() > raja) return 1;
        std::this_thread::sleep_for(1ms);
    }
    ReleaseDC(nullptr, naytto);
    FILETIME aika{};
    GetSystemTimePreciseAsFileTime(&aika);
    const unsigned long long sadatNs =
        (static_cast<unsigned long long>(aika.dwHighDateTime) << 32 | aika.dwLowDateTime) -
        116444736000000000ULL;
    std::printf("%llu\n", sadatNs * 100);
    return 0;
}

// The grids' windows, the player's first: they come first in Tab order.
HWND Ruudukko(HWND peli, Puoli puoli) {
    std::vector<HWND> ruudukot;
    for (HWND osa : Osat(peli)) {
        if (Luokka(osa) == L"frmMorvakRuudukko") ruudukot.push_back(osa);
    }
    if (ruudukot.size() != 2) return nullptr;
    return ruudukot[puoli == Puoli::Pelaaja ? 0 : 1];
}

// The accessible object's name for a child, 0 for the object itself, -1 for
// its focus child. __uuidof, as mingw-w64's IID_IAccessible is oleacc's
// import thunk rather than the identifier.
std::string Saavutettava(HWND ikkuna, LONG lapsi) {
    IAccessible* olio = nullptr;
    if (FAILED(AccessibleObjectFromWindow(ikkuna, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible), reinterpret_cast<void**>(&olio))))
        return "(ei saavutettavaa oliota)";
    VARIANT kohde{};
    kohde.vt = VT_I4;
    kohde.lVal = lapsi;
    if (lapsi < 0) {
        VARIANT kohdistus{};
        if (olio->get_accFocus(&kohdistus) != S_OK || kohdistus.vt != VT_I4) {
            olio->Release();
            return "(ei kohdistusta)";
        }
        kohde.lVal = kohdistus.lVal;
    }
    BSTR nimi = nullptr;
    const HRESULT tulos = olio->get_accName(kohde, &nimi);
    olio->Release();
    if (tulos != S_OK || nimi == nullptr) return "(ei nimeä)";
    std::string teksti = Utf8(std::wstring(nimi, SysStringLen(nimi)));
    SysFreeString(nimi);
    return teksti;
}

std::string Kohdistus(HWND peli) {
    GUITHREADINFO tiedot{};
    tiedot.cbSize = sizeof tiedot;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(peli, nullptr), &tiedot) ||
        tiedot.hwndFocus == nullptr)
        return "(ei mitään)";
    if (Luokka(tiedot.hwndFocus) == L"frmMorvakRuudukko") return Saavutettava(tiedot.hwndFocus, -1);
    return Kuvaus(tiedot.hwndFocus);
}

// Bounded, as every wait here is; the last reading tells what came instead.
template <class Lukija>
int OdotaLukemaa(Lukija lukija, const std::string& odotettu) {
    std::string luettu;
    if (Odota([&] { return (luettu = lukija()) == odotettu; })) return 0;
    std::fprintf(stderr, "luettiin \"%s\" eikä \"%s\"\n", luettu.c_str(), odotettu.c_str());
    return 1;
}

// Name changes and live regions the game announces, as a screen reader's
// hook receives them: from another process, on this thread's message loop.
struct Nimimuutos {
    DWORD tapahtuma;
    HWND ikkuna;
    LONG lapsi;
};
std::vector<Nimimuutos> kuullut;

void CALLBACK Kuuntelija(HWINEVENTHOOK, DWORD tapahtuma, HWND ikkuna, LONG olio, LONG lapsi, DWORD,
                         DWORD) {
    const bool kuultava =
        tapahtuma == EVENT_OBJECT_NAMECHANGE || tapahtuma == EVENT_OBJECT_LIVEREGIONCHANGED;
    if (kuultava && olio == OBJID_CLIENT) kuullut.push_back({tapahtuma, ikkuna, lapsi});
}

int Kuulee(Puoli puoli, int ruutu) {
    HWND peli = OdotaPelia();
    HWND ruudukko = Ruudukko(peli, puoli);
    DWORD prosessi = 0;
    GetWindowThreadProcessId(peli, &prosessi);
    HWINEVENTHOOK koukku = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_LIVEREGIONCHANGED,
                                           nullptr, Kuuntelija, prosessi, 0, WINEVENT_OUTOFCONTEXT);
    Napsauta(peli, puoli, ruutu, false);
    std::vector<std::string> rivit;
    bool ohje = false;
    bool ruudunNimi = false;
    bool kuulutus = false;
    const bool kuuli = Odota([&] {
        MSG viesti{};
        while (PeekMessageW(&viesti, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&viesti);
        // Reading a name asks the game, and the hook may be called meanwhile:
        // what it hears then waits for the next round.
        for (const Nimimuutos& muutos : std::exchange(kuullut, {})) {
            if (muutos.tapahtuma == EVENT_OBJECT_LIVEREGIONCHANGED) {
                if (!std::exchange(kuulutus, true))
                    rivit.push_back("kuulutus: " + Utf8(Teksti(muutos.ikkuna)));
            } else if (Luokka(muutos.ikkuna) == L"Static" && !ohje) {
                ohje = true;
                rivit.push_back("ohje: " + Utf8(Teksti(muutos.ikkuna)));
            } else if (muutos.ikkuna == ruudukko && muutos.lapsi == ruutu && !ruudunNimi) {
                ruudunNimi = true;
                rivit.push_back("ruutu: " + Saavutettava(ruudukko, ruutu));
            }
        }
        return ohje && ruudunNimi && kuulutus;
    });
    UnhookWinEvent(koukku);
    for (const std::string& rivi : rivit) std::printf("%s\n", rivi.c_str());
    return kuuli ? 0 : 1;
}

void Nappain(WORD nappain) {
    INPUT syotteet[2] = {};
    syotteet[0].type = syotteet[1].type = INPUT_KEYBOARD;
    syotteet[0].ki.wVk = syotteet[1].ki.wVk = nappain;
    syotteet[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, syotteet, sizeof(INPUT));
}

// The focus square goes along the rows, to and fro, one arrow key a square;
// each shot waits for the player's turn and for the square to show its hit.
int Nappaimin() {
    HWND peli = OdotaPelia();
    for (int ruutu = 1; ruutu <= 100; ++ruutu) {
        const int rivi = (ruutu - 1) / 10;
        const int sarake = rivi % 2 == 0 ? (ruutu - 1) % 10 : 9 - (ruutu - 1) % 10;
        const int kohde = rivi * 10 + sarake + 1;
        if (ruutu > 1)
            Nappain((ruutu - 1) % 10 == 0 ? VK_DOWN : rivi % 2 == 0 ? VK_RIGHT : VK_LEFT);
        if (!Odota([&] { return Loppu() != nullptr || Ohje(peli) == PELAAJAN_VUORO; })) return 1;
        if (Loppu() != nullptr) break;
        if (RuudunTila(peli, Puoli::Kone, kohde) != 'V') continue;
        Nappain(VK_SPACE);
        if (!Odota(
                [&] { return Loppu() != nullptr || RuudunTila(peli, Puoli::Kone, kohde) != 'V'; }))
            return 1;
    }
    HWND loppu = nullptr;
    if (!Odota([&] { return (loppu = Loppu()) != nullptr; })) return 1;
    std::printf("%s\n", Utf8(Teksti(loppu)).c_str());
    return 0;
}

// The lock every copy of the game takes around a save of its key under
// HKEY_CURRENT_USER, by the name they give it.
int Pida() {
    HANDLE lukko = CreateMutexW(nullptr, FALSE,
                                L"Local\\Morvak-80000001-software/relvano/morvak 1.2 freeware");
    if (lukko == nullptr || WaitForSingleObject(lukko, 5000) != WAIT_OBJECT_0) return 1;
    std::printf("pidetään\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    ReleaseMutex(lukko);
    CloseHandle(lukko);
    return 0;
}

int Kaytto() {
    std::fprintf(stderr, "käyttö: katso ikkunaluku.cpp\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Kaytto();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring komento = argv[1];
    if (komento == L"odota" && argc == 3) return OdotaIkkunaa(argv[2]) != nullptr ? 0 : 1;
    if (komento == L"odota" && argc == 4) return OdotaRivia(OdotaIkkunaa(argv[2]), Utf8(argv[3]));
    if (komento == L"poissa" && argc == 3)
        return Odota([&] { return Etsi(argv[2]) == nullptr; }) ? 0 : 1;
    if (komento == L"lue" && argc == 3) return Lue(OdotaIkkunaa(argv[2]));
    if (komento == L"koko" && argc == 3) {
        RECT alue{};
        GetClientRect(OdotaIkkunaa(argv[2]), &alue);
        std::printf("%ldx%ld\n", alue.right, alue.bottom);
        return 0;
    }
    if (komento == L"paina" && argc == 4) return Paina(OdotaIkkunaa(argv[2]), argv[3]);
    if (komento == L"kirjoita" && argc == 4) return Kirjoita(OdotaIkkunaa(argv[2]), argv[3]);
    if (komento == L"kirjaa" && argc == 4) return Kirjaa(argv[2], argv[3]);
    if (komento == L"tuplanapsauta" && argc == 4)
        return Tuplanapsauta(OdotaIkkunaa(argv[2]), argv[3]);
    if (komento == L"sulje" && argc == 3) {
        PostMessageW(OdotaIkkunaa(argv[2]), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (komento == L"ruudukot" && (argc == 2 || argc == 3)) {
        HWND peli = OdotaPelia();
        if (argc == 3) return OdotaLukemaa([&] { return Ruudukkoteksti(peli); }, Utf8(argv[2]));
        std::printf("%s\n", Ruudukkoteksti(peli).c_str());
        return 0;
    }
    if (komento == L"montako" && argc == 3) return Montako(argv[2]);
    if (komento == L"uppoaa" && argc == 3) return Uppoaa(std::wcstol(argv[2], nullptr, 10));
    if (komento == L"varit" && (argc == 2 || argc == 4)) {
        const POINT alku =
            argc == 4 ? POINT{std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10)}
                      : Alkupiste(OdotaPelia());
        TulostaVarit(alku);
        return 0;
    }
    if (komento == L"napsauta" && (argc == 4 || argc == 5)) {
        const Puoli puoli = std::wstring(argv[2]) == L"kone" ? Puoli::Kone : Puoli::Pelaaja;
        Napsauta(OdotaPelia(), puoli, std::wcstol(argv[3], nullptr, 10), argc == 5);
        return 0;
    }
    if (komento == L"varissa" && argc == 5) {
        return OdotaVaria(std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10),
                          static_cast<unsigned>(std::wcstoul(argv[4], nullptr, 16)));
    }
    if (komento == L"nimi" && (argc == 4 || argc == 5)) {
        const Puoli puoli = std::wstring(argv[2]) == L"kone" ? Puoli::Kone : Puoli::Pelaaja;
        const LONG ruutu = std::wcstol(argv[3], nullptr, 10);
        HWND ruudukko = Ruudukko(OdotaPelia(), puoli);
        const auto lukija = [&] { return Saavutettava(ruudukko, ruutu); };
        if (argc == 5) return OdotaLukemaa(lukija, Utf8(argv[4]));
        std::printf("%s\n", lukija().c_str());
        return 0;
    }
    if (komento == L"kohdistus" && (argc == 2 || argc == 3)) {
        HWND peli = OdotaPelia();
        const auto lukija = [&] { return Kohdistus(peli); };
        if (argc == 3) return OdotaLukemaa(lukija, Utf8(argv[2]));
        std::printf("%s\n", lukija().c_str());
        return 0;
    }
    if (komento == L"nappaimin" && argc == 2) return Nappaimin();
    if (komento == L"pida" && argc == 2) return Pida();
    if (komento == L"vuoro" && argc == 3) return Vuoro(Utf8(argv[2]));
    if (komento == L"kuulee" && argc == 4) {
        const Puoli puoli = std::wstring(argv[2]) == L"kone" ? Puoli::Kone : Puoli::Pelaaja;
        return Kuulee(puoli, std::wcstol(argv[3], nullptr, 10));
    }
    if (komento == L"ammu" && argc >= 3) {
        std::vector<int> ruudut;
        for (int i = 2; i < argc; ++i) ruudut.push_back(std::wcstol(argv[i], nullptr, 10));
        return Ammu(ruudut);
    }
    return Kaytto();
}
