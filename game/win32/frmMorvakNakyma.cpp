#include "win32/Kuoriavaus.h"
#include "win32/Osoitin.h"
#include "win32/Viestilaatikot.h"
#include "win32/Viestit.h"
#include "win32/frmMorvak.h"

// What the rules ask of the main window, realised on screen.

void frmMorvak::NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva) {
    Ruutu& naytetty = Ruudun(ruudukko, ruutu);
    if (naytetty.kuva == kuva) return;
    naytetty.kuva = kuva;
    PaivitaRuutu(ruudukko, ruutu);
}

void frmMorvak::AsetaSormiosoitin(Puoli ruudukko, int ruutu, bool sormi) {
    Ruudun(ruudukko, ruutu).sormi = sormi;
}

void frmMorvak::AsetaRuutuKaytossa(Puoli ruudukko, int ruutu, bool kaytossa) {
    Ruudun(ruudukko, ruutu).kaytossa = kaytossa;
}

void frmMorvak::AsetaIkkunaKaytossa(bool kaytossa) { EnableWindow(hwnd_, kaytossa); }

void frmMorvak::NaytaTilanne(const Tilanne& tilanne) {
    if (tilanne.ohje != naytetty_.ohje) NaytaOhje(tilanne.ohje);
    for (const Valikko& valikko : Valikot()) {
        for (const Valikkokohta& kohta : valikko.kohdat) {
            if (!kohta.komento) continue;
            const auto tunnus =
                static_cast<UINT>(viesti::KOMENTO_ENSIMMAINEN + static_cast<int>(*kohta.komento));
            const bool kaytossa = Kaytossa(tilanne, *kohta.komento);
            if (kaytossa != Kaytossa(naytetty_, *kohta.komento))
                EnableMenuItem(valikko_, tunnus,
                               MF_BYCOMMAND | (kaytossa ? MF_ENABLED : MF_GRAYED));
            if (const auto valittu = Valittu(tilanne, *kohta.komento))
                CheckMenuItem(valikko_, tunnus,
                              MF_BYCOMMAND | (*valittu ? MF_CHECKED : MF_UNCHECKED));
        }
    }
    for (int i = 0; i < 2; ++i) {
        HWND painike = cmdPainike_[static_cast<std::size_t>(i)];
        const bool kaytossa = Kaytossa(tilanne, Painikekomento(i));
        if ((IsWindowEnabled(painike) != FALSE) != kaytossa) EnableWindow(painike, kaytossa);
    }
    naytetty_ = tilanne;
    NaytaNappaimisto();
}

// One showing for however many events came in between, on the next turn of
// the message loop.
void frmMorvak::TilanneMuuttui() {
    if (paivitysTulossa_ || lopetetaan_) return;
    paivitysTulossa_ = PostMessageW(hwnd_, viesti::TILANNE, 0, 0) != FALSE;
}

void frmMorvak::AsetaPainikkeetKaytossa(bool kaytossa) {
    for (HWND painike : cmdPainike_) EnableWindow(painike, kaytossa);
}

void frmMorvak::AsetaKorkeus(int twipit) {
    korkeus_ = twipit;
    MuutaKoko();
}

void frmMorvak::AsetaOsoitin(Osoitin osoitin) { AsetaNaytonOsoitin(osoitin); }

void frmMorvak::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) {
    NaytaViesti(Aktiivinen(), otsikko, teksti, kuvake);
}

bool frmMorvak::Kysy(const std::string& otsikko, const std::string& teksti) {
    return KysyVahvistus(Aktiivinen(), otsikko, teksti);
}

void frmMorvak::KasitteleTapahtumat() {
    MSG viesti{};
    while (!lopetetaan_ && PeekMessageW(&viesti, nullptr, 0, 0, PM_REMOVE)) {
        if (viesti.message == WM_QUIT) {
            // The loop that waits for it further out must see it too.
            PostQuitMessage(static_cast<int>(viesti.wParam));
            lopetetaan_ = true;
            return;
        }
        if (EsiKasittele(viesti)) continue;
        TranslateMessage(&viesti);
        DispatchMessageW(&viesti);
    }
}

void frmMorvak::AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) {
    ::AvaaKuorella(Aktiivinen(), kohde, naytto);
}

std::string frmMorvak::OhjelmanKansio() const { return ::OhjelmanKansio(); }

// The computer's pause runs a message loop of its own, so the window repaints
// and the menus answer without the processor spinning.
bool frmMorvak::Tauko() {
    if (lopetetaan_) return false;
    tauolla_ = true;
    SetTimer(hwnd_, viesti::TAUKO, static_cast<UINT>(tauonPituus_.count()), nullptr);
    Odota(tauolla_);
    KillTimer(hwnd_, viesti::TAUKO);
    tauolla_ = false;
    return !lopetetaan_;
}

// The sinking waits as the pause does; its frame timer lives only as long as
// the sinking.
bool frmMorvak::NaytaUppoaminen(Puoli ruudukko, const std::vector<int>& ruudut) {
    if (lopetetaan_) return false;
    uppoavat_.clear();
    for (const int ruutu : ruudut) uppoavat_.push_back({ruudukko, ruutu});
    uppoamisenAlku_ = std::chrono::steady_clock::now();
    AsetaVedenpinta(0.0);
    SetTimer(hwnd_, viesti::UPPOAMINEN, static_cast<UINT>(viesti::KUVAVALI_MS), nullptr);
    bool uppoaa = true;
    uppoaa_ = &uppoaa;
    Odota(uppoaa);
    uppoaa_ = nullptr;
    KillTimer(hwnd_, viesti::UPPOAMINEN);
    AsetaVedenpinta(std::nullopt);
    uppoavat_.clear();
    return !lopetetaan_;
}

void frmMorvak::UppoamisenKuva() {
    using namespace std::chrono;
    const auto kulunut = duration_cast<milliseconds>(steady_clock::now() - uppoamisenAlku_);
    if (kulunut >= UPPOAMISEN_KESTO) {
        if (uppoaa_ != nullptr) *uppoaa_ = false;
        return;
    }
    AsetaVedenpinta(Vedenpinta(kulunut));
}

void frmMorvak::AsetaVedenpinta(std::optional<double> pinta) {
    for (const auto& [puoli, ruutu] : uppoavat_) {
        Ruudun(puoli, ruutu).vedenpinta = pinta;
        // A press made before the sinking never turns into a click after it.
        if (painallus_ && painallus_->puoli == puoli && painallus_->ruutu == ruutu)
            painallus_->vasen = false;
        PaivitaRuutu(puoli, ruutu);
    }
}

void frmMorvak::Odota(const bool& kesken) {
    MSG viesti{};
    while (kesken && !lopetetaan_) {
        const BOOL tulos = GetMessageW(&viesti, nullptr, 0, 0);
        if (tulos <= 0) {
            PostQuitMessage(tulos == 0 ? static_cast<int>(viesti.wParam) : 1);
            lopetetaan_ = true;
            break;
        }
        if (EsiKasittele(viesti)) continue;
        TranslateMessage(&viesti);
        DispatchMessageW(&viesti);
    }
}

void frmMorvak::Lopeta() {
    lopetetaan_ = true;
    // A pause in progress ends now and tells its shot not to go on.
    tauolla_ = false;
    ShowWindow(hwnd_, SW_HIDE);
    PostQuitMessage(0);
}
