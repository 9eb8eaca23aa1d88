#include "win32/Kirjasimet.h"

namespace {

// Eleven pixels at 96 dots per inch, as the layouts were measured.
constexpr int KORKEUS_96 = 11;

HFONT Luo(UINT dpi, LONG paino, bool alleviivattu, LONG leveys = 0) {
    LOGFONTW kuvaus{};
    kuvaus.lfHeight = -MulDiv(KORKEUS_96, static_cast<int>(dpi), 96);
    kuvaus.lfWidth = leveys;
    kuvaus.lfWeight = paino;
    kuvaus.lfUnderline = alleviivattu;
    kuvaus.lfCharSet = DEFAULT_CHARSET;
    kuvaus.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(kuvaus.lfFaceName, L"Arial", LF_FACESIZE);
    return CreateFontIndirectW(&kuvaus);
}

}  // namespace

Kirjasimet::Kirjasimet(UINT dpi)
    : dpi_(dpi),
      tavallinen_(Luo(dpi, FW_NORMAL, false)),
      lihava_(Luo(dpi, FW_BOLD, false)),
      alleviivattu_(Luo(dpi, FW_NORMAL, true)) {}

Kirjasimet::~Kirjasimet() {
    DeleteObject(tavallinen_);
    DeleteObject(lihava_);
    DeleteObject(alleviivattu_);
}

HFONT Kirjasimet::Kavennettu(int prosenttia) const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ vanha = SelectObject(dc, tavallinen_);
    TEXTMETRICW mitat{};
    GetTextMetricsW(dc, &mitat);
    SelectObject(dc, vanha);
    ReleaseDC(nullptr, dc);
    return Luo(dpi_, FW_NORMAL, false, MulDiv(mitat.tmAveCharWidth, prosenttia, 100));
}
