#include "framework/menu.h"

#include "framework/text.h"

namespace fw {

MenuItem* MenuItem::Add(std::string itemName, std::string itemCaption, std::function<void(MenuItem&)> click) {
    auto item = std::make_unique<MenuItem>();
    item->name = std::move(itemName);
    item->caption = std::move(itemCaption);
    item->onClick = std::move(click);
    items.push_back(std::move(item));
    return items.back().get();
}

MenuItem* MenuItem::AddSeparator(std::string itemName) { return Add(std::move(itemName), "-"); }

MenuItem* MenuItem::Find(const std::string& itemName) {
    if (name == itemName) return this;
    for (auto& child : items)
        if (MenuItem* hit = child->Find(itemName)) return hit;
    return nullptr;
}

bool MenuOpenOnThisThread() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}

std::wstring MenuCaptionText(const std::string& caption) {
    std::wstring out;
    for (wchar_t c : Widen(caption)) {
        if (c == L'&') out += L'&';
        out += c;
    }
    return out;
}

HMENU PopupMenu::Build(const MenuItem& parent, std::vector<MenuItem*>& commands) {
    HMENU menu = CreatePopupMenu();
    for (const auto& item : parent.items) {
        if (!item->visible) continue;
        if (item->IsSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (!item->enabled) flags |= MF_GRAYED;
        if (item->checked || item->imageIndex == kCheckImage) flags |= MF_CHECKED;
        std::wstring text = MenuCaptionText(item->caption);
        if (!item->items.empty()) {
            HMENU sub = Build(*item, commands);
            AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
        } else {
            commands.push_back(item.get());
            AppendMenuW(menu, flags, commands.size(), text.c_str());
        }
    }
    return menu;
}

void PopupMenu::Popup(HWND owner, POINT at) {
    if (onPopup) onPopup();
    std::vector<MenuItem*> commands;
    HMENU menu = Build(root, commands);
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen >= 1 && chosen <= commands.size()) {
        MenuItem* item = commands[chosen - 1];
        if (item->onClick && item->enabled) item->onClick(*item);
    }
}

}  // namespace fw
