// The tray icon's pictures: the built-in set or the seven files of a custom set.
#include <array>

#include "engine/settings_file.h"
#include "engine/tray_state.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "framework/text.h"
#include "mainwindow/main_form.h"

namespace quon {

TrayIconSlots::~TrayIconSlots() {
    for (Slot& s : slots_)
        if (s.owned && s.icon) DestroyIcon(s.icon);
}

void TrayIconSlots::Replace(int slot, HICON icon, bool owned) {
    Slot& s = slots_[slot];
    if (s.owned && s.icon && s.icon != icon) DestroyIcon(s.icon);
    s.icon = icon;
    s.owned = owned;
}

HICON BuiltInIcon(BuiltInTrayIcon which) {
    static const wchar_t* const kNames[] = {L"ICO_OFFLINE", L"ICO_IDLE", L"ICO_ONLINE", L"ICO_MAXIMUM"};
    // LR_SHARED: the system keeps one copy per size and the program never destroys it.
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), kNames[static_cast<int>(which)], IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_SHARED));
}

namespace {

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesW(fw::Widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

HICON LoadIconFile(const std::string& path) {
    return static_cast<HICON>(LoadImageW(nullptr, fw::Widen(path).c_str(), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_LOADFROMFILE));
}

}  // namespace

bool Tfrm_quonm::LoadTrayIcons(const std::string& setName, bool showErrors) {
    if (IsBuiltInIconSet(setName)) {
        static const BuiltInTrayIcon kBuiltIn[kTraySlotCount] = {
            BuiltInTrayIcon::Offline, BuiltInTrayIcon::Idle,   BuiltInTrayIcon::Online, BuiltInTrayIcon::Online,
            BuiltInTrayIcon::Online,  BuiltInTrayIcon::Online, BuiltInTrayIcon::Maximum};
        for (int i = 0; i < kTraySlotCount; ++i) trayIcons.SetShared(i, BuiltInIcon(kBuiltIn[i]));
        return true;
    }
    const auto files = CustomIconFiles(fw::IniFile(SettingsPath()), fw::ProgramFolder());
    for (const std::string& file : files) {
        if (FileExists(file)) continue;
        if (showErrors)
            fw::ShowBox("внимание! не найден один или несколько файлов\nпользовательского набора иконок "
                        "состояния...\nсейчас будет загружен базовый набор иконок...",
                        MB_ICONWARNING);
        return false;
    }
    for (int i = 0; i < kTraySlotCount; ++i) {
        HICON icon = LoadIconFile(files[i]);
        if (!icon) {
            if (showErrors)
                fw::ShowBox("внимание! произошла ошибка во время\nзагрузки одного или нескольких файлов\n"
                            "пользовательского набора иконок состояния...\nсейчас будет загружен базовый "
                            "набор иконок...",
                            MB_ICONWARNING);
            return false;
        }
        trayIcons.SetOwned(i, icon);
    }
    return true;
}

}  // namespace quon
