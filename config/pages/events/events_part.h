#pragma once
// The events page's sounds and limit actions: what happens at a connect, a disconnect and when the
// daily or the monthly incoming limit is passed, with buttons that let the user hear each signal.
#include <windows.h>

#include "config/pages/common/page_host.h"
#include "config/pages/common/page_part.h"
#include "config/pages/events/play_boxes.h"
#include "config/settings/settings_values.h"

namespace quon::config {

class EventsPart : public PagePart {
public:
    explicit EventsPart(PageHost& host) : host_(host) {}
    bool Create(HWND parent, int x, int y, int w, int h);

    void Fill(const SettingsValues& values);
    // An unticked play box gives an empty file name: its sound is off.
    void Collect(SettingsValues& values) const;

    enum Id : int {
        idHangupM = 201, idBeepM, idWavM, idEditM,
        idHangupD = 211, idBeepD, idWavD, idEditD,
        idWavO = 223, idEditO,
        idWavX = 233, idEditX,
        idTest1 = 241, idTest2, idTest3, idTest4, idTest5, idTest6,
    };

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(int id, int code);
    void Apply(const PlayBoxEffect& effect);
    void ShowBoxes();  // the model into the controls, without their notifications acting on it
    void PlayEdit(int slot);

    PageHost& host_;
    PlayBoxes sounds_;
    HWND hangupM_ = nullptr, beepM_ = nullptr, hangupD_ = nullptr, beepD_ = nullptr;
    HWND play_[kSoundSlots] = {}, edit_[kSoundSlots] = {};
    bool showing_ = false;
};

}  // namespace quon::config
