#include "config/pages/interface/page_interface.h"

#include <commctrl.h>

#include <algorithm>

#include "config/dialog/settings_dialog.h"
#include "config/pages/common/option_change.h"
#include "config/pages/common/theme_links.h"
#include "config/pages/interface/file_choice.h"
#include "config/pages/interface/icon_pictures.h"
#include "config/pages/interface/theme_check.h"
#include "engine/copydata_commands.h"
#include "engine/program_files.h"
#include "controls/controls.h"
#include "controls/filename_edit.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr int kPreviewImages[7] = {IDC_IMG_O, IDC_IMG_0, IDC_IMG_1, IDC_IMG_2, IDC_IMG_3, IDC_IMG_4, IDC_IMG_5};
constexpr int kLoadButtons[7] = {IDC_BTN_LOAD_O, IDC_BTN_LOAD_0, IDC_BTN_LOAD_1, IDC_BTN_LOAD_2,
                                 IDC_BTN_LOAD_3, IDC_BTN_LOAD_4, IDC_BTN_LOAD_5};
constexpr const char* kAnimationFromZero =
    "АНИМИРОВАННЬIЙ  ИНДИКАТОР  (используя индикаторь| уровней с 0 по 5 (скорость анимации зависит от уровня))";
constexpr const char* kAnimationFromOne =
    "АНИМИРОВАННЬIЙ  ИНДИКАТОР  (используя индикаторь| уровней с 1 по 5 (скорость анимации зависит от уровня))";

}  // namespace

PageInterface::PageInterface(Tfrm_quons& owner) : SettingsPage(owner) {
    chooseFile = [this](const FileChoice& choice) { return ChooseFile(form.Handle(), choice); };
}

PageInterface::~PageInterface() { ReleaseIcons(); }

void PageInterface::OnInitDialog() {
    LoadBuiltInIcons();
    ShowBuiltInIcons();
    ShowPanels(UnknownThemePanels());  // the settings keep no description of the theme: none until one is chosen
    // The built-in theme's variant and elements are fixed lists, made with the page; a theme file's
    // replace them when the settings name one.
    ListThemeVariants(kBuiltInThemeFile);
    ListThemeElements(kBuiltInThemeFile);
    SetRange(IDC_BAR_OPACITY, 0, 200);
    SendMessageW(Item(IDC_BAR_OPACITY), TBM_SETPAGESIZE, 0, 25);
    SendMessageW(Item(IDC_BAR_OPACITY), TBM_SETTICFREQ, 10, 0);
    SetChecked(IDC_RAD_CUSTOM, true);
    OnScroll(IDC_BAR_OPACITY, [this] { bar_opacityChange(); });
    OnCommand(IDC_RAD_DEFAULT, BN_CLICKED, [this] { RadioChanged(); });
    OnCommand(IDC_RAD_CUSTOM, BN_CLICKED, [this] { RadioChanged(); });
    OnNotify(IDC_EDT_SKIN, controls::FEN_AFTERDIALOG, [this](NMHDR& header) -> LRESULT {
        auto& notify = reinterpret_cast<controls::FileDialogNotify&>(header);
        edt_skinAfterDialog(notify.name, notify.action);
        return 0;
    });
    OnNotify(IDC_EDT_SKIN, controls::FEN_BEFOREDIALOG, [](NMHDR&) -> LRESULT { return 0; });
    OnCommand(IDC_BOX_VARIATIONS, CBN_SELCHANGE, [this] { OptionChanged(form); });
    for (int id : {IDC_PNL_MAIL, IDC_PNL_WEB, IDC_PNL_ICQ})
        OnCommand(id, STN_CLICKED, [this, id] { OpenLink(id); });
    for (int slot = 0; slot < 7; ++slot) OnCommand(kLoadButtons[slot], BN_CLICKED, [this, slot] { btn_loadClick(slot); });
    OnCommand(IDC_BTN_RESET, BN_CLICKED, [this] { btn_resetClick(); });
    OnCommand(IDC_BOX_LOAD, BN_CLICKED, [this] { box_loadClick(); });
    OnCommand(IDC_BTN_SAVE, BN_CLICKED, [this] { btn_saveClick(); });
    OnCommand(IDC_BOX_ANIMATION, BN_CLICKED, [this] {
        Enable(IDC_BOX_RESET, Checked(IDC_BOX_ANIMATION));
        OptionChanged(form);
    });
    OnCommand(IDC_BOX_RESET, BN_CLICKED, [this] {
        const bool fullStop = Checked(IDC_BOX_RESET);
        SetText(IDC_BOX_ANIMATION, fullStop ? kAnimationFromOne : kAnimationFromZero);
        OptionChanged(form, fullStop ? OptionHint{}
                                     : OptionHint{2, "Нерекомендуется отключать эту опцию, так как возможно некорректное "
                                                     "отображение индикатора в некоторых случаях..."});
    });
    OnCommand(IDC_BOX_HOVER, BN_CLICKED, [this] { OptionChanged(form, HoverHint(Checked(IDC_BOX_HOVER))); });
    OnCommand(IDC_BOX_HANGUP, BN_CLICKED, [this] { OptionChanged(form, HangUpButtonHint(Checked(IDC_BOX_HANGUP))); });
    // The theme field: a file dialog that starts in SKINS, typing off, dropped files taken.
    SendMessageW(Item(IDC_EDT_SKIN), controls::CEM_SETBUTTONWIDTH, 18, 0);
    if (controls::FilenameEdit* skin = controls::FilenameEditOf(Item(IDC_EDT_SKIN))) {
        controls::FileDialogSettings& dialog = skin->Dialog();
        dialog.filter = "Темы интерфейса|*.qsf|Все файлы|*.*";
        dialog.defaultExt = "qsf";
        dialog.initialDir = SkinsFolder();
        dialog.title = "Выбор темы интерфейса...";
        dialog.options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        skin->SetAcceptFiles(true);
    }
}

// ---- the tray icons ----

void PageInterface::SetPreview(int slot, HICON icon) {
    HWND image = Item(kPreviewImages[slot]);
    if (reinterpret_cast<HICON>(SendMessageW(image, STM_GETICON, 0, 0)) != icon)
        SendMessageW(image, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    const bool fromFile = std::find(builtIn_.begin(), builtIn_.end(), icon) == builtIn_.end();
    if (previews_[slot] && previews_[slot] != icon) DestroyIcon(previews_[slot]);
    previews_[slot] = fromFile ? icon : nullptr;
}

void PageInterface::ReleaseIcons() {
    for (int slot = 0; slot < 7; ++slot)
        if (Handle()) SendMessageW(Item(kPreviewImages[slot]), STM_SETICON, 0, 0);
    for (HICON& icon : previews_) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
    for (HICON& icon : builtIn_) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
}

// The built-in pictures are loaded once, when the page is made, and shown from these copies whenever the
// previews return to them.
void PageInterface::LoadBuiltInIcons() {
    static const wchar_t* const kBuiltIn[4] = {L"CFG_ICO_OFFLINE", L"CFG_ICO_IDLE", L"CFG_ICO_ONLINE", L"CFG_ICO_MAXIMUM"};
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    for (int i = 0; i < 4; ++i)
        builtIn_[i] = static_cast<HICON>(LoadImageW(module, kBuiltIn[i], IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0));
}

void PageInterface::ShowBuiltInIcons() {
    static const int kCopyOf[7] = {0, 1, 2, 2, 2, 2, 3};  // offline, idle, levels 1 to 4 alike, maximum
    for (int slot = 0; slot < 7; ++slot) SetPreview(slot, builtIn_[kCopyOf[slot]]);
}

void PageInterface::btn_loadClick(int slot) {
    const auto file = chooseFile({false, "Иконки (пиктограммы)|*.ico|Все файлы|*.*", "", IconDialogTitle(slot)});
    if (!file) return;
    OptionChanged(form);
    HICON icon = LoadIconFile(*file);
    if (!icon) {
        form.showWarning(kIconLoadFailedText);
        return;
    }
    SetPreview(slot, icon);
    SetHint(kLoadButtons[slot], *file);
    SetTag(IDC_GRP_ICONS, 0);
}

void PageInterface::btn_resetClick() {
    SetTag(IDC_GRP_ICONS, 1);
    ShowBuiltInIcons();
    const IconPaths defaults = DefaultIconFiles(fw::ProgramFolder());
    for (int slot = 0; slot < kIconSlotCount; ++slot) SetHint(kLoadButtons[slot], defaults[slot]);
}

void PageInterface::box_loadClick() {
    const auto file = chooseFile({false, kIconSetFilter, "", "Выбор набора иконок для индикаторов..."});
    if (!file) return;
    IconSetLoad set = LoadIconSet(*file);
    if (set.refusal != IconSetRefusal::None) {
        form.showWarning(IconSetRefusalText(set.refusal));
        return;
    }
    if (set.iconsFailed) {
        form.showWarning(kIconSetLoadFailedText);
        btn_resetClick();
    } else {
        for (int slot = 0; slot < kIconSlotCount; ++slot) {
            SetHint(kLoadButtons[slot], set.paths[slot]);
            SetPreview(slot, set.icons.Take(slot));
        }
        SetTag(IDC_GRP_ICONS, 0);
    }
    OptionChanged(form);
}

void PageInterface::btn_saveClick() {
    const auto file = chooseFile({true, kIconSetFilter, "qof", "Сохранение набора иконок для индикаторов..."});
    if (!file) return;
    IconPaths paths;
    for (int slot = 0; slot < kIconSlotCount; ++slot) paths[slot] = Hint(kLoadButtons[slot]);
    if (WriteIconSet(fw::IniFile(*file), paths)) form.ShowHintMessage(true, 4, "Файл успешно сохранён.");
    else form.showWarning(kIconSetSaveFailedText);
}

// ---- the theme ----

void PageInterface::ListThemeVariants(const std::string& file) {
    SetItems(IDC_BOX_VARIATIONS, ThemeVariants(file));
    SetIndex(IDC_BOX_VARIATIONS, 0);
}

void PageInterface::ListThemeElements(const std::string& file) {
    SetItems(IDC_LST_VISIBILITY, ThemeElements(file));
    elementsListedFrom_ = file;
}

void PageInterface::ShowPanels(const ThemePanels& p) {
    SetText(IDC_NAME_SELECTED, p.selected);
    SetText(IDC_PNL_NAME, p.name);
    SetText(IDC_PNL_VERSION, p.version);
    SetText(IDC_PNL_AUTHOR, p.author);
    SetText(IDC_PNL_MAIL, p.mail);
    SetHint(IDC_PNL_MAIL, p.mailLink);
    SetText(IDC_PNL_WEB, p.web);
    SetHint(IDC_PNL_WEB, p.webLink);
    SetText(IDC_PNL_ICQ, p.icq);
    SetHint(IDC_PNL_ICQ, p.icqLink);
    SetText(IDC_TXT_PS, p.ps);
}

bool PageInterface::LoadSkinInfo(const std::string& file) {
    const fw::IniFile theme(UnquotedFileName(file));
    const ThemeHeader header = ReadThemeHeader(theme);
    const ThemeRefusal refusal = RefusalOf(header);
    if (refusal != ThemeRefusal::None) {
        form.showWarning(RefusalText(refusal));
        return false;
    }
    if (AsksAboutGeneration(header) && !form.ask(kGenerationQuestion)) return false;
    if (AsksAboutVersion(header) && !form.ask(kVersionQuestion)) return false;
    ShowPanels(DescribeTheme(theme));
    ListThemeVariants(file);
    ListThemeElements(file);
    return true;
}

// A radio button's handler runs only when its button becomes selected, not when it is clicked again.
void PageInterface::RadioChanged() {
    const bool nowDefault = Checked(IDC_RAD_DEFAULT);
    if (nowDefault == defaultSelected_) return;
    defaultSelected_ = nowDefault;
    if (nowDefault) rad_defaultClick();
    else rad_customClick();
}

void PageInterface::rad_defaultClick() {
    form.EnableApply();
    if (!Checked(IDC_RAD_DEFAULT)) return;
    SetText(IDC_EDT_SKIN, kBuiltInThemeFile);
    Enable(IDC_EDT_SKIN, false);
    if (!form.isLoading) {
        ListThemeVariants(kBuiltInThemeFile);
        ShowPanels(BuiltInThemePanels());
        form.ShowHintMessage(true, 4, "Будет использована тема интерфейса по умолчанию.");
    }
    ListThemeElements(kBuiltInThemeFile);
}

void PageInterface::rad_customClick() {
    form.EnableApply();
    if (!Checked(IDC_RAD_CUSTOM)) return;
    if (!form.isLoading) SetText(IDC_EDT_SKIN, fw::ProgramFolder() + kDefaultSkinFolder + kDefaultSkinDescription);
    ListThemeElements(Text(IDC_EDT_SKIN));
    Enable(IDC_EDT_SKIN, true);
    form.ShowHintMessage(true, 4, "Будет использована тема интерфейса, выбранная пользователем.");
}

void PageInterface::edt_skinAfterDialog(const std::string& name, bool action) {
    if (!action) return;
    const bool accepted = LoadSkinInfo(name);
    SetChecked(IDC_RAD_CUSTOM, accepted);
    SetChecked(IDC_RAD_DEFAULT, !accepted);
    RadioChanged();
    form.EnableApply();
}

void PageInterface::OpenLink(int panelId) {
    const std::string link = Hint(panelId);
    std::optional<std::string> target;
    if (panelId == IDC_PNL_MAIL) target = MailLinkTarget(link);
    else if (panelId == IDC_PNL_WEB) target = WebLinkTarget(link);
    else target = MessengerLinkTarget(link);
    if (target) form.openAddress(*target);
}

// ---- the window options ----

void PageInterface::bar_opacityChange() {
    form.opacityPreviewed = true;
    if (form.isLoading) return;
    OptionChanged(form);
    form.SendToMainWindow(cdSetOpacity, std::to_string(255 - Position(IDC_BAR_OPACITY)));
}

void PageInterface::Fill(const SettingsValues& v) {
    SetText(IDC_NAME_USED, " " + v.skinName);
    SetPosition(IDC_BAR_OPACITY, v.bar_opacity);
    form.savedOpacityPosition = Position(IDC_BAR_OPACITY);
    SetChecked(IDC_BOX_HOVER, v.box_hover);
    SetChecked(IDC_BOX_HANGUP, v.box_hangup);
    int iconsTag = v.grp_icons;
    if (iconsTag == 0) {
        IconPictures icons;
        if (LoadIconFiles(v.iconPaths, icons)) {
            for (int slot = 0; slot < kIconSlotCount; ++slot) SetPreview(slot, icons.Take(slot));
        } else {
            iconsTag = 1;
        }
    }
    if (iconsTag != 0) ShowBuiltInIcons();
    SetTag(IDC_GRP_ICONS, iconsTag);
    for (int slot = 0; slot < 7; ++slot) SetHint(kLoadButtons[slot], v.iconPaths[slot]);
    SetChecked(IDC_BOX_ANIMATION, v.box_animation);
    SetChecked(IDC_BOX_RESET, v.box_reset);
    Enable(IDC_BOX_RESET, v.box_animation);
    SetText(IDC_BOX_ANIMATION, v.box_reset ? kAnimationFromOne : kAnimationFromZero);
    // The theme field first: the radio button's handler lists the elements of the theme the field shows.
    SetText(IDC_EDT_SKIN, v.edt_skin);
    SetChecked(IDC_RAD_DEFAULT, v.rad_default);
    SetChecked(IDC_RAD_CUSTOM, !v.rad_default);
    defaultSelected_ = !v.rad_default;
    elementsListedFrom_.reset();
    RadioChanged();  // the filled choice runs the handler of the button that became selected
    Enable(IDC_EDT_SKIN, !v.rad_default);
    SetText(IDC_EDT_SKIN, v.edt_skin);
    ListThemeVariants(v.edt_skin);
    if (elementsListedFrom_ != v.edt_skin) ListThemeElements(v.edt_skin);
    SetIndex(IDC_BOX_VARIATIONS, v.box_variations);
}

void PageInterface::Collect(SettingsValues& v) const {
    const std::string selected = Text(IDC_NAME_SELECTED), used = Text(IDC_NAME_USED);
    v.skinName = used.substr(used.empty() ? 0 : 1);
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
