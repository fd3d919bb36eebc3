#include "config/page_interface.h"

#include <commctrl.h>

#include "config/settings_dialog.h"
#include "framework/ini_file.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr int kPreviewImages[7] = {IDC_IMG_O, IDC_IMG_0, IDC_IMG_1, IDC_IMG_2, IDC_IMG_3, IDC_IMG_4, IDC_IMG_5};
constexpr int kLoadButtons[7] = {IDC_BTN_LOAD_O, IDC_BTN_LOAD_0, IDC_BTN_LOAD_1, IDC_BTN_LOAD_2,
                                 IDC_BTN_LOAD_3, IDC_BTN_LOAD_4, IDC_BTN_LOAD_5};
constexpr const char* kDefaultVariant = "ПО  УМОЛЧАНИЮ";

std::string Upper1251(const std::string& text) {
    std::wstring wide = fw::Widen(text);
    if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return fw::Narrow(wide);
}

}  // namespace

PageInterface::~PageInterface() { ReleaseIcons(); }

void PageInterface::OnInitDialog() {
    SetRange(IDC_BAR_OPACITY, 0, 200);
    SendMessageW(Item(IDC_BAR_OPACITY), TBM_SETPAGESIZE, 0, 25);
    SendMessageW(Item(IDC_BAR_OPACITY), TBM_SETTICFREQ, 10, 0);
    OnScroll(IDC_BAR_OPACITY, [this] { bar_opacityChange(); });
}

void PageInterface::SetPreview(int slot, HICON icon) {
    SendMessageW(Item(kPreviewImages[slot]), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (previews_[slot]) DestroyIcon(previews_[slot]);
    previews_[slot] = icon;
}

void PageInterface::ReleaseIcons() {
    for (size_t slot = 0; slot < previews_.size(); ++slot) {
        if (!previews_[slot]) continue;
        if (Handle()) SendMessageW(Item(kPreviewImages[slot]), STM_SETICON, 0, 0);
        DestroyIcon(previews_[slot]);
        previews_[slot] = nullptr;
    }
}

bool PageInterface::ShowIconFiles(const std::array<std::string, 7>& paths) {
    std::array<HICON, 7> loaded{};
    bool all = true;
    for (size_t slot = 0; slot < paths.size() && all; ++slot) {
        loaded[slot] = static_cast<HICON>(
            LoadImageW(nullptr, fw::Widen(paths[slot]).c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
        all = loaded[slot] != nullptr;
    }
    for (size_t slot = 0; slot < loaded.size(); ++slot) {
        if (all) SetPreview(static_cast<int>(slot), loaded[slot]);
        else if (loaded[slot]) DestroyIcon(loaded[slot]);
    }
    return all;
}

void PageInterface::ShowBuiltInIcons() {
    static const wchar_t* const kBuiltIn[7] = {L"CFG_ICO_OFFLINE", L"CFG_ICO_IDLE",   L"CFG_ICO_ONLINE",
                                               L"CFG_ICO_ONLINE",  L"CFG_ICO_ONLINE", L"CFG_ICO_ONLINE",
                                               L"CFG_ICO_MAXIMUM"};
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    for (int slot = 0; slot < 7; ++slot)
        SetPreview(slot, static_cast<HICON>(LoadImageW(module, kBuiltIn[slot], IMAGE_ICON, 16, 16, 0)));
}

void PageInterface::ListThemeVariants(const std::string& file) {
    ClearItems(IDC_BOX_VARIATIONS);
    if (file == "Default") {
        AddItem(IDC_BOX_VARIATIONS, kDefaultVariant);
    } else {
        fw::IniFile theme(file);
        if (theme.ReadInteger("info", "variants", 1) == 0) AddItem(IDC_BOX_VARIATIONS, kDefaultVariant);
        for (int64_t i = 0; i < theme.ReadInteger("info", "variants", 1); ++i)
            AddItem(IDC_BOX_VARIATIONS, Upper1251(theme.ReadString("info", "variant_" + std::to_string(i), kDefaultVariant)));
    }
    SetIndex(IDC_BOX_VARIATIONS, 0);
}

void PageInterface::bar_opacityChange() {
    form.opacityPreviewed = true;
    if (form.isLoading) return;
    form.EnableApply();
    form.SendToMainWindow(2, std::to_string(255 - Position(IDC_BAR_OPACITY)));
}

void PageInterface::ListThemeElements(const std::string&) {}

void PageInterface::Fill(const SettingsValues& v) {
    SetText(IDC_NAME_USED, " " + v.skinName);
    for (int id : {IDC_NAME_SELECTED, IDC_PNL_NAME, IDC_PNL_VERSION, IDC_PNL_AUTHOR, IDC_PNL_MAIL, IDC_PNL_WEB, IDC_PNL_ICQ})
        SetText(id, " -");
    SetText(IDC_TXT_PS, "");
    SetPosition(IDC_BAR_OPACITY, v.bar_opacity);
    form.savedOpacityPosition = Position(IDC_BAR_OPACITY);
    SetChecked(IDC_BOX_HOVER, v.box_hover);
    SetChecked(IDC_BOX_HANGUP, v.box_hangup);
    int iconsTag = v.grp_icons;
    if (iconsTag == 0 && !ShowIconFiles(v.iconPaths)) iconsTag = 1;
    if (iconsTag != 0) ShowBuiltInIcons();
    SetTag(IDC_GRP_ICONS, iconsTag);
    for (int slot = 0; slot < 7; ++slot) SetHint(kLoadButtons[slot], v.iconPaths[slot]);
    SetChecked(IDC_BOX_ANIMATION, v.box_animation);
    SetChecked(IDC_BOX_RESET, v.box_reset);
    SetChecked(IDC_RAD_DEFAULT, v.rad_default);
    SetChecked(IDC_RAD_CUSTOM, !v.rad_default);
    SetText(IDC_EDT_SKIN, v.edt_skin);
    ListThemeVariants(v.edt_skin);
    ListThemeElements(v.edt_skin);
    SetIndex(IDC_BOX_VARIATIONS, v.box_variations);
}

void PageInterface::Collect(SettingsValues& v) const {
    const std::string selected = Text(IDC_NAME_SELECTED);
    v.skinName = Text(IDC_NAME_USED).substr(Text(IDC_NAME_USED).empty() ? 0 : 1);
    v.skinNameSelected = selected == " -" ? std::string() : selected.substr(selected.empty() ? 0 : 1);
    v.bar_opacity = Position(IDC_BAR_OPACITY);
    v.box_hover = Checked(IDC_BOX_HOVER);
    v.box_hangup = Checked(IDC_BOX_HANGUP);
    v.grp_icons = Tag(IDC_GRP_ICONS);
    for (int slot = 0; slot < 7; ++slot) v.iconPaths[slot] = Hint(kLoadButtons[slot]);
    v.box_animation = Checked(IDC_BOX_ANIMATION);
    v.box_reset = Checked(IDC_BOX_RESET);
    v.rad_default = Checked(IDC_RAD_DEFAULT);
    v.edt_skin = Text(IDC_EDT_SKIN);
    v.box_variations = Index(IDC_BOX_VARIATIONS);
}

}  // namespace quon::config
