// Loading the theme into the window and drawing the window from it.
#include "engine/settings_file.h"
#include "framework/application.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"
#include "mainwindow/picture_cache.h"
#include "mainwindow/skin_frame.h"

namespace quon {

bool Tfrm_quonm::LoadSkin(const std::string& themeFile, int64_t variation, bool showErrors) {
    SkinLoadError error = SkinLoadError::None;
    std::optional<LoadedSkin> loaded = ReadSkin(themeFile, variation, opt.units, fw::ProgramFolder(), &error);
    // A background that cannot be drawn is no better than a missing one: the theme is refused now,
    // with its box, instead of ending the program at its first drawing.
    if (loaded && !(EnsureGdiplus() && PictureCache::Readable(loaded->theme.face))) {
        loaded.reset();
        error = IsBuiltInTheme(themeFile) ? SkinLoadError::BuiltInFaceMissing : SkinLoadError::FaceMissing;
    }
    if (!loaded) {
        if (showErrors && error == SkinLoadError::BuiltInFaceMissing)
            fw::ShowBox("внимание! файл «skins\\default\\face.png» не найден.\nон необходим для работы программы в "
                        "целом...",
                        MB_ICONWARNING);
        if (showErrors && error == SkinLoadError::FaceMissing)
            fw::ShowBox("внимание! файл фонового рисунка темы не найден.\nсейчас будет загружена тема по "
                        "умолчанию...",
                        MB_ICONINFORMATION);
        return false;
    }
    skin = std::move(loaded->theme);
    skinLayout = loaded->layout;
    eng.historyCount = loaded->historyCount;
    // The pictures of the theme shown before are of no more use.
    pictures->Clear();
    return true;
}

// The pictures of the theme's three buttons: 0 normal, or pressed / under the cursor.
void Tfrm_quonm::SetButtonStates(int hide, int config, int hangup) {
    hideState = hide;
    configState = config;
    hangupState = hangup;
    DrawSkin(false);
}

bool Tfrm_quonm::DrawSkin(bool showError) {
    if (!Handle() || !IsWindowVisible(Handle())) return true;
    FrameInput in;
    in.theme = &skin;
    in.layout = &skinLayout;
    in.hideState = hideState;
    in.configState = configState;
    in.hangupState = hangupState;
    in.online = eng.countedOnline;
    in.hangupAllowed = !opt.hideHangupButton;
    in.texts = &texts;
    in.history = eng.levelHistory.data();
    in.historyCount = eng.historyCount;
    in.pictures = pictures.get();
    std::unique_ptr<Frame> frame = ComposeFrame(in);
    if (!frame) {
        tmr_get.SetEnabled(false);
        tmr_offset.SetEnabled(false);
        if (showError)
            fw::ShowBox("внимание! произошла внутренняя ошибка программы.\nпричина: не удалось загрузить фоновое "
                        "изображение.\nвыход: попробуйте перезапустить программу...",
                        MB_ICONWARNING);
        fw::Application::Terminate();
        return false;
    }
    PresentFrame(Handle(), *frame, opacity);
    return true;
}

}  // namespace quon
