#include "config/pages/events/events_part.h"

#include <mmsystem.h>

#include <algorithm>

#include "config/pages/common/page_controls.h"
#include "framework/library.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr const char* kPlayCaption = "ВОСПРОИЗВЕСТИ  АУДИО  ФАЙЛ:";
constexpr const char* kBeepCaption = "ВОСПРОИЗВЕСТИ  ЗВУКОВОЙ  СИГНАЛ  (через динамик)";
constexpr const char* kHangupCaption = "ОТКЛЮЧИТЬСЯ  ОТ  СЕТИ";

}  // namespace

bool EventsPart::Create(HWND parent, int x, int y, int w, int h) {
    if (!CreatePart(L"QuonEventsPart", parent, x, y, w, h))
        return false;
    HWND p = Handle();
    // The part spans the page: the two limit groups, whose captions are long, run across it, and the entry
    // groups and the tests fill the left column below them. The page's own controls on the right stay above.
    SetWindowLongPtrW(p, GWL_STYLE, GetWindowLongPtrW(p, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(p, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const int column = (w - 14) / 2;
    int top = 0;
    auto limitGroup = [&](const char* caption, int slot, int hangupId, int beepId, int playId, int editId) {
        constexpr int kHeight = 55;
        UseSmallFont(AddGroup(p, caption, 0, top, w, kHeight));
        HWND hangup = AddCheck(p, kHangupCaption, 10, top + 13, 150, 15, hangupId);
        HWND beep = AddCheck(p, kBeepCaption, 170, top + 13, w - 180, 15, beepId);
        UseSmallFont(hangup);
        UseSmallFont(beep);
        (slot == ssMonthLimit ? hangupM_ : hangupD_) = hangup;
        (slot == ssMonthLimit ? beepM_ : beepD_) = beep;
        play_[slot] = AddCheck(p, kPlayCaption, 10, top + 32, 170, 15, playId);
        UseSmallFont(play_[slot]);
        edit_[slot] = AddSoundFileEdit(p, 190, top + 31, w - 200, 18, editId);
        top += kHeight + 3;
    };
    auto entryGroup = [&](const char* caption, int slot, int playId, int editId) {
        constexpr int kHeight = 48;
        UseSmallFont(AddGroup(p, caption, 0, top, column, kHeight));
        play_[slot] = AddCheck(p, kPlayCaption, 10, top + 13, column - 20, 15, playId);
        UseSmallFont(play_[slot]);
        edit_[slot] = AddSoundFileEdit(p, 28, top + 29, column - 38, 18, editId);
        top += kHeight + 3;
    };
    limitGroup(" д е й с т в и я    п р и    п р е в ы ш е н и и    м е с я ч н о г о    л и м и т а   в х о д я щ е г о    т р а ф и к а ",
               ssMonthLimit, idHangupM, idBeepM, idWavM, idEditM);
    limitGroup(" д е й с т в и я    п р и    п р е в ы ш е н и и    д н е в н о г о    л и м и т а   в х о д я щ е г о    т р а ф и к а ",
               ssDayLimit, idHangupD, idBeepD, idWavD, idEditD);
    entryGroup(" д е й с т в и я    п р и    в х о д е    в    с е т ь ", ssConnect, idWavO, idEditO);
    entryGroup(" д е й с т в и я    п р и    в ы х о д е    и з    с е т и ", ssDisconnect, idWavX, idEditX);
    const int testHeight = std::max(h - top, 90);
    UseSmallFont(AddGroup(p, " т е с т ", 0, top, column, testHeight));
    const char* tests[] = {"ЗВУКОВОЙ  СИГНАЛ  (М)", "АУДИО  ФАЙЛ  (месяц)", "АУДИО  ФАЙЛ  (вход)",
                           "ЗВУКОВОЙ  СИГНАЛ  (Д)", "АУДИО  ФАЙЛ  (день)",  "АУДИО  ФАЙЛ  (выход)"};
    const int ids[] = {idTest1, idTest3, idTest5, idTest2, idTest4, idTest6};
    // Two columns of three: the beeps, the limits' sounds, the entry sounds.
    const int bw = (column - 20) / 2;
    for (int i = 0; i < 6; ++i) {
        HWND button = AddButton(p, tests[i], 8 + (i / 3) * (bw + 4), top + 14 + (i % 3) * 34, bw, 32, ids[i]);
        SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_MULTILINE);
        UseSmallFont(button);
    }
    return true;
}

void EventsPart::Fill(const SettingsValues& v) {
    SetChecked(hangupM_, v.box_hangup_m);
    SetChecked(beepM_, v.box_beep_m);
    SetChecked(hangupD_, v.box_hangup_d);
    SetChecked(beepD_, v.box_beep_d);
    const std::string* names[kSoundSlots] = {&v.edt_wav_m, &v.edt_wav_d, &v.edt_wav_o, &v.edt_wav_x};
    const bool ticked[kSoundSlots] = {v.box_wav_m, v.box_wav_d, v.box_wav_o, v.box_wav_x};
    for (int i = 0; i < kSoundSlots; ++i)
        sounds_.boxes[static_cast<size_t>(i)] = {ticked[i], *names[i]};
    ShowBoxes();
}

void EventsPart::Collect(SettingsValues& v) const {
    v.box_hangup_m = Checked(hangupM_);
    v.box_beep_m = Checked(beepM_);
    v.box_hangup_d = Checked(hangupD_);
    v.box_beep_d = Checked(beepD_);
    std::string* names[kSoundSlots] = {&v.edt_wav_m, &v.edt_wav_d, &v.edt_wav_o, &v.edt_wav_x};
    bool* ticked[kSoundSlots] = {&v.box_wav_m, &v.box_wav_d, &v.box_wav_o, &v.box_wav_x};
    for (int i = 0; i < kSoundSlots; ++i) {
        const PlayBox& box = sounds_.boxes[static_cast<size_t>(i)];
        *names[i] = SavedSoundName(box);
        *ticked[i] = box.ticked;
    }
}

void EventsPart::ShowBoxes() {
    showing_ = true;
    for (int i = 0; i < kSoundSlots; ++i) {
        const PlayBox& box = sounds_.boxes[static_cast<size_t>(i)];
        SetChecked(play_[i], box.ticked);
        SetText(edit_[i], box.name);
    }
    showing_ = false;
}

void EventsPart::Apply(const PlayBoxEffect& effect) {
    ShowBoxes();
    if (effect.apply) host_.EnableApply();
    if (effect.hint == PlayBoxHint::ChooseFileFirst) host_.ShowHint(true, 3, kChooseSoundFirst);
    if (effect.hint == PlayBoxHint::Clear) host_.ShowHint(true, 0, "");
}

void EventsPart::PlayEdit(int slot) {
    const std::wstring name = fw::Widen(PlayableSoundName(TextOf(edit_[slot])));
    EnableWindow(edit_[slot], FALSE);
    // The sound library is the host's (the meter plays its own event sounds with it); loaded here only when
    // the host lacks it, and then kept: the sound plays on after the call returns.
    HMODULE winmm = GetModuleHandleW(L"winmm.dll");
    if (!winmm) winmm = LoadLibraryW(L"winmm.dll");
    using PlaySoundFn = BOOL WINAPI(LPCWSTR name, UINT flags);
    if (auto* play = winmm ? fw::Library::ProcOf<PlaySoundFn>(winmm, "sndPlaySoundW") : nullptr)
        play(name.c_str(), SND_ASYNC);
    EnableWindow(edit_[slot], TRUE);
}

void EventsPart::OnCommand(int id, int code) {
    switch (id) {
        case idHangupM:
        case idHangupD: {
            host_.EnableApply();
            const bool on = Checked(GetDlgItem(Handle(), id));
            if (!on) {
                host_.ShowHint(true, 0, "");
            } else if (id == idHangupM) {
                host_.ShowHint(true, 4, "Программа автоматически отключится от сети как только будет превышен месячный лимит входящего трафика.");
            } else {
                host_.ShowHint(true, 4, "Программа автоматически отключится от сети как только будет превышен условный дневной лимит входящего трафика.");
            }
            return;
        }
        case idBeepM:
        case idBeepD:
            host_.EnableApply();
            host_.ShowHint(false, 0, "");
            return;
        case idTest1: Beep(1000, 1000); return;
        case idTest2:
            for (int i = 0; i < 3; ++i) {
                if (i > 0) Sleep(100);
                Beep(1000, 250);
            }
            return;
        case idTest3: case idTest4: case idTest5: case idTest6: PlayEdit(id - idTest3); return;
        default: break;
    }
    for (int i = 0; i < kSoundSlots; ++i) {
        if (id == GetDlgCtrlID(play_[i]) && code == BN_CLICKED) {
            sounds_.boxes[static_cast<size_t>(i)].ticked = Checked(play_[i]);
            Apply(sounds_.BoxClicked());
        } else if (id == GetDlgCtrlID(edit_[i]) && code == EN_CHANGE && !showing_) {
            sounds_.boxes[static_cast<size_t>(i)].name = TextOf(edit_[i]);
            Apply(sounds_.NameChanged(i));
        }
    }
}

LRESULT EventsPart::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) {
        OnCommand(LOWORD(wp), HIWORD(wp));
        return 0;
    }
    if (msg == WM_ERASEBKGND) {
        EraseWithFace(Handle(), reinterpret_cast<HDC>(wp));
        return 1;
    }
    return DefaultMessage(msg, wp, lp);
}

}  // namespace quon::config
