// The one-line hint panel at the bottom of the dialog: a coloured mark that tells the kind of the hint
// and the hint typed out letter by letter; it clears itself 7.5 s after the last hint.
#include "config/dialog/settings_dialog.h"

namespace quon::config {

HintLook HintLookFor(int kind) {
    constexpr COLORREF kRed = 0x000000FF, kBlue = 0x00FF0000, kLime = 0x0000FF00, kGreen = 0x00008000,
                       kWhite = 0x00FFFFFF;
    switch (kind) {
        case 0: return {true, GetSysColor(COLOR_BTNFACE), false, 0, false};
        case 1: return {true, kRed, true, kWhite, true};
        case 2: return {true, kRed, true, kWhite, false};
        case 3: return {true, kBlue, true, kWhite, true};
        case 4: return {true, kLime, true, kGreen, false};
        default: return {};
    }
}

bool BlinkShowsMarks(int tag) { return tag == 2 || tag == 4 || tag == 6 || tag == 8; }

void Tfrm_quons::ShowHintMessage(bool show, int kind, const std::string& message) {
    if (isLoading || !Handle()) return;
    UpdateWindow(Handle());
    const HintLook look = HintLookFor(kind);
    if (look.recolour) hintColour_ = look.colour;
    if (look.setFontColour) hintFontColour_ = look.fontColour;
    hintTypeCaption_.clear();
    InvalidateRect(Item(IDC_HINT_TYPE), nullptr, TRUE);
    SetText(IDC_HINT_TEXT, "");
    Show(IDC_HINT_TEXT, show);
    if (!show) return;

    // Typed out: a repaint and 5 ms after every second character.
    std::string typed;
    HWND text = Item(IDC_HINT_TEXT);
    for (size_t i = 0; i < message.size(); ++i) {
        typed += message[i];
        SetText(IDC_HINT_TEXT, typed);
        if (i % 2 == 1) {
            UpdateWindow(text);
            Sleep(5);
        }
    }
    KillTimer(Handle(), kHideTimer);
    SetTimer(Handle(), kHideTimer, kHideMs, nullptr);
    Show(IDC_HINT_TYPE, kind > 0);
    if (kind == 1 || kind == 3) {
        hintTypeCaption_ = "!!!";
        InvalidateRect(Item(IDC_HINT_TYPE), nullptr, TRUE);
        tmr_psTag = 0;
        SetTimer(Handle(), kBlinkTimer, kBlinkMs, nullptr);
    }
}

void Tfrm_quons::tmr_psTimer() {
    ++tmr_psTag;
    hintTypeCaption_ = BlinkShowsMarks(tmr_psTag) ? "!!!" : "";
    InvalidateRect(Item(IDC_HINT_TYPE), nullptr, TRUE);
    if (tmr_psTag > 7) KillTimer(Handle(), kBlinkTimer);
}

void Tfrm_quons::tmr_hideTimer() {
    KillTimer(Handle(), kHideTimer);
    ShowHintMessage(false, 0, "");
}

std::string Tfrm_quons::HintMark() const { return hintTypeCaption_; }

void Tfrm_quons::DrawHintType(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    HBRUSH brush = CreateSolidBrush(hintColour_);
    FillRect(item.hDC, &r, brush);
    DeleteObject(brush);
    DrawEdge(item.hDC, &r, BDR_RAISEDINNER | BDR_SUNKENOUTER, BF_RECT);
    if (!hintTypeCaption_.empty()) {
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, hintFontColour_);
        DrawTextW(item.hDC, L"!!!", 3, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

}  // namespace quon::config
