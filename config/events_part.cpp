#include "config/events_part.h"

#include <mmsystem.h>

#include "config/page_controls.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr const char* kPlayCaption = "ВОСПРОИЗВЕСТИ  АУДИО  ФАЙЛ:";
constexpr const char* kBeepCaption = "ВОСПРОИЗВЕСТИ  ЗВУКОВОЙ  СИГНАЛ  (через динамик)";
constexpr const char* kHangupCaption = "ОТКЛЮЧИТЬСЯ  ОТ  СЕТИ";
const char* const kSoundKeys[kSoundSlots] = {"wav_m", "wav_d", "wav_o", "wav_x"};

}  // namespace

bool EventsPart::Create(HWND parent, int x, int y, int w, int h) {
    if (!fw::Wnd::Create(L"QuonEventsPart", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE, x, y, w, h, parent))
        return false;
    HWND p = Handle();
    const int gw = w - 160;
    AddGroup(p, " д е й с т в и я    п р и    п р е в ы ш е н и и    м е с я ч н о г о    л и м и т а   в х о д я щ е г о    т р а ф и к а ", 0, 0, gw, 64);
    hangupM_ = AddCheck(p, kHangupCaption, 10, 16, 170, 14, idHangupM);
    beepM_ = AddCheck(p, kBeepCaption, 185, 16, gw - 195, 14, idBeepM);
    play_[ssMonthLimit] = AddCheck(p, kPlayCaption, 10, 38, 170, 14, idWavM);
    edit_[ssMonthLimit] = AddEdit(p, "", 185, 36, gw - 195, 20, idEditM);
    AddGroup(p, " д е й с т в и я    п р и    п р е в ы ш е н и и    д н е в н о г о    л и м и т а   в х о д я щ е г о    т р а ф и к а ", 0, 68, gw, 64);
    hangupD_ = AddCheck(p, kHangupCaption, 10, 84, 170, 14, idHangupD);
    beepD_ = AddCheck(p, kBeepCaption, 185, 84, gw - 195, 14, idBeepD);
    play_[ssDayLimit] = AddCheck(p, kPlayCaption, 10, 106, 170, 14, idWavD);
    edit_[ssDayLimit] = AddEdit(p, "", 185, 104, gw - 195, 20, idEditD);
    AddGroup(p, " д е й с т в и я    п р и    в х о д е    в    с е т ь ", 0, 136, gw, 40);
    play_[ssConnect] = AddCheck(p, kPlayCaption, 10, 154, 170, 14, idWavO);
    edit_[ssConnect] = AddEdit(p, "", 185, 151, gw - 195, 20, idEditO);
    AddGroup(p, " д е й с т в и я    п р и    в ы х о д е    и з    с е т и ", 0, 180, gw, 40);
    play_[ssDisconnect] = AddCheck(p, kPlayCaption, 10, 198, 170, 14, idWavX);
    edit_[ssDisconnect] = AddEdit(p, "", 185, 195, gw - 195, 20, idEditX);
    AddGroup(p, " т е с т ", gw + 6, 0, w - gw - 6, 220);
    const char* tests[] = {"ЗВУКОВОЙ  СИГНАЛ  (М)", "ЗВУКОВОЙ  СИГНАЛ  (Д)", "АУДИО  ФАЙЛ  (месяц)",
                           "АУДИО  ФАЙЛ  (день)", "АУДИО  ФАЙЛ  (вход)",  "АУДИО  ФАЙЛ  (выход)"};
    for (int i = 0; i < 6; ++i) AddButton(p, tests[i], gw + 16, 18 + i * 33, w - gw - 26, 26, idTest1 + i);
    return true;
}

void EventsPart::Read(const fw::IniFile& data) {
    SetChecked(hangupM_, data.ReadInteger("events", "hangup_m", 0) != 0);
    SetChecked(beepM_, data.ReadInteger("events", "beep_m", 1) != 0);
    SetChecked(hangupD_, data.ReadInteger("events", "hangup_d", 0) != 0);
    SetChecked(beepD_, data.ReadInteger("events", "beep_d", 1) != 0);
    for (int i = 0; i < kSoundSlots; ++i) {
        PlayBox& box = sounds_.boxes[static_cast<size_t>(i)];
        box.name = data.ReadString("events", kSoundKeys[i], "");
        box.ticked = UsableSoundName(box.name);
    }
    ShowBoxes();
}

bool EventsPart::Save(const fw::IniFile& data) const {
    bool ok = data.WriteInteger("events", "hangup_m", Checked(hangupM_)) &&
              data.WriteInteger("events", "beep_m", Checked(beepM_));
    ok = ok && data.WriteString("events", "wav_m", SavedSoundName(sounds_.boxes[ssMonthLimit]));
    ok = ok && data.WriteInteger("events", "hangup_d", Checked(hangupD_)) &&
         data.WriteInteger("events", "beep_d", Checked(beepD_));
    ok = ok && data.WriteString("events", "wav_d", SavedSoundName(sounds_.boxes[ssDayLimit]));
    ok = ok && data.WriteString("events", "wav_o", SavedSoundName(sounds_.boxes[ssConnect]));
    return ok && data.WriteString("events", "wav_x", SavedSoundName(sounds_.boxes[ssDisconnect]));
}

void EventsPart::ShowBoxes() {
    showing_ = true;
    for (int i = 0; i < kSoundSlots; ++i) {
        const PlayBox& box = sounds_.boxes[static_cast<size_t>(i)];
        SetChecked(play_[i], box.ticked);
        if (TextOf(edit_[i]) != box.name) SetText(edit_[i], box.name);
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
    sndPlaySoundW(name.c_str(), SND_ASYNC);
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
