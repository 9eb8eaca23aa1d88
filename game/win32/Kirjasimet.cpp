#include "win32/Kirjasimet.h"

namespace {

// Eleven pixels at 96 dots per inch, as the layouts were measured.
constexpr int KORKEUS_96 = 11;

HFONT Luo(UINT dpi, Kirjasimet::Tyyli tyyli, LONG leveys = 0) {
    LOGFONTW kuvaus{};
    kuvaus.lfHeight = -MulDiv(KORKEUS_96, static_cast<int>(dpi), 96);
    kuvaus.lfWidth = leveys;
    kuvaus.lfWeight = tyyli == Kirjasimet::Tyyli::Lihava ? FW_BOLD : FW_NORMAL;
    kuvaus.lfUnderline = tyyli == Kirjasimet::Tyyli::Alleviivattu;
    kuvaus.lfCharSet = DEFAULT_CHARSET;
    kuvaus.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(kuvaus.lfFaceName, L"Arial", LF_FACESIZE);
    return CreateFontIndirectW(&kuvaus);
}

}  // namespace

Kirjasimet::Kirjasimet(UINT dpi)
    : dpi_(dpi),
      kirjasimet_{Luo(dpi, Tyyli::Tavallinen), Luo(dpi, Tyyli::Lihava),
                  Luo(dpi, Tyyli::Alleviivattu)} {}

Kirjasimet::~Kirjasimet() {
    for (HFONT kirjasin : kirjasimet_) DeleteObject(kirjasin);
}

HFONT Kirjasimet::Kavennettu(int prosenttia, Tyyli tyyli) const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ vanha = SelectObject(dc, Kirjasin(tyyli));
    TEXTMETRICW mitat{};
    GetTextMetricsW(dc, &mitat);
    SelectObject(dc, vanha);
    ReleaseDC(nullptr, dc);
    return Luo(dpi_, tyyli, MulDiv(mitat.tmAveCharWidth, prosenttia, 100));
}

SIZE Kirjasimet::Mitta(const std::wstring& teksti, Tyyli tyyli, int venytys, UINT muoto,
                       int leveys) const {
    HFONT kavennettu = venytys < 100 ? Kavennettu(venytys, tyyli) : nullptr;
    HDC dc = GetDC(nullptr);
    HGDIOBJ vanha = SelectObject(dc, kavennettu != nullptr ? kavennettu : Kirjasin(tyyli));
    RECT alue{0, 0, leveys, 0};
    DrawTextW(dc, teksti.c_str(), static_cast<int>(teksti.size()), &alue, muoto | DT_CALCRECT);
    SelectObject(dc, vanha);
    ReleaseDC(nullptr, dc);
    if (kavennettu != nullptr) DeleteObject(kavennettu);
    return {alue.right, alue.bottom};
}
