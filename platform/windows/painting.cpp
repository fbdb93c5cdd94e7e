// Painting on Windows: the layer's font, in every device context the
// program gets and in every control, its metrics as the layout's cell, and
// DrawTextA carried out by DrawTextW in code page 932.
//
// The font: the system font of a Windows that is not Japanese has no
// Japanese glyphs, and Japanese system fonts differ in size (Wine's gives
// layout units of 8 x 18 pixels, which clip "コンデンサ" and "処理停止").
// So the layer names a Japanese UI font itself, as the Linux build does, at
// the size of the Linux build's text (12 pixels to the em), smaller only
// if that font would not fit the cell's 16 pixels of height.
#include "platform/windows/layer_font.h"
#include "platform/windows/wide_calls.h"
#include "platform/windows/wide_text.h"

#include <cwchar>

namespace {

// Japanese UI fonts, the most recent first: Windows 8.1 and later have Yu
// Gothic UI, Windows 7 and 8 Meiryo UI, older ones MS UI Gothic, each
// whatever the system's language.
const wchar_t* const preferredFaces[] = {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"};
constexpr int PreferredFaceCount = sizeof preferredFaces / sizeof preferredFaces[0];

constexpr int EmPixels = 12;
constexpr int SmallestEmPixels = 9;

// What the system offers of Japanese fonts.
struct FaceSearch {
    int preferred = PreferredFaceCount;  // the best of preferredFaces found
    wchar_t proportional[LF_FACESIZE] = L"";  // else the first proportional TrueType one
};

int CALLBACK noteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM data) {
    FaceSearch* search = reinterpret_cast<FaceSearch*>(data);
    // "@" names the same font turned for vertical writing.
    if (font->lfFaceName[0] == L'@') return 1;
    for (int i = 0; i < search->preferred; ++i) {
        if (wcscmp(font->lfFaceName, preferredFaces[i]) == 0) search->preferred = i;
    }
    if (search->proportional[0] == L'\0' && (type & TRUETYPE_FONTTYPE) != 0 &&
        (font->lfPitchAndFamily & 0x3) == VARIABLE_PITCH) {
        wcsncpy(search->proportional, font->lfFaceName, LF_FACESIZE - 1);
        search->proportional[LF_FACESIZE - 1] = L'\0';
    }
    return 1;
}

// The face to ask for; empty when the system has no proportional Japanese
// TrueType font, and then the system's font mapper chooses by the charset.
void chooseFace(HDC dc, wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    FaceSearch search;
    EnumFontFamiliesExW(dc, &wanted, noteFace, reinterpret_cast<LPARAM>(&search), 0);
    const wchar_t* chosen =
        search.preferred < PreferredFaceCount ? preferredFaces[search.preferred] : search.proportional;
    wcsncpy(face, chosen, LF_FACESIZE - 1);
    face[LF_FACESIZE - 1] = L'\0';
}

HFONT createFont(const wchar_t* face, int em) {
    return CreateFontW(-em, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, face);
}

HFONT chooseFont() {
    HDC dc = GetDC(nullptr);
    wchar_t face[LF_FACESIZE];
    chooseFace(dc, face);
    HFONT font = nullptr;
    for (int em = EmPixels; em >= SmallestEmPixels; --em) {
        if (font != nullptr) DeleteObject(font);
        font = createFont(face, em);
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICW metrics{};
        BOOL measured = GetTextMetricsW(dc, &metrics);
        SelectObject(dc, previous);
        if (!measured || metrics.tmHeight <= CellHeight) break;
    }
    ReleaseDC(nullptr, dc);
    return font;
}

HDC withLayerFont(HDC dc) {
    if (dc != nullptr) SelectObject(dc, layerFont());
    return dc;
}

}  // namespace

HFONT layerFont() {
    static const HFONT font = chooseFont();
    return font;
}

HDC platformGetDC(HWND window) { return withLayerFont(GetDC(window)); }

HDC platformBeginPaint(HWND window, LPPAINTSTRUCT paint) {
    return withLayerFont(BeginPaint(window, paint));
}

BOOL platformGetTextMetrics(HDC dc, LPTEXTMETRICA metrics) {
    if (!GetTextMetricsA(dc, metrics)) return FALSE;
    if (GetCurrentObject(dc, OBJ_FONT) != layerFont()) return TRUE;
    // The layer's font in the cell: the room above its em grows (or
    // shrinks) to the cell's height, and the pitch bit that Win32 sets for
    // a variable pitch is set even for a font of fixed pitch, which a
    // system without a proportional Japanese font may have given.
    LONG extra = CellHeight - metrics->tmHeight;
    metrics->tmHeight = CellHeight;
    metrics->tmAscent += extra;
    metrics->tmInternalLeading += extra;
    metrics->tmExternalLeading = 0;
    metrics->tmAveCharWidth = CellAverageWidth;
    metrics->tmPitchAndFamily |= TMPF_FIXED_PITCH;
    return TRUE;
}

int platformDrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    if (text == nullptr) return 0;
    wchar_t wide[WideTextUnits];
    int units = cp932ToWide(text, length, wide, WideTextUnits);
    return DrawTextW(dc, wide, units, rect, format);
}
