#pragma once
// The pop-up menu model: items with caption, visible, enabled, checked, image index, tag, item data and a
// click handler. Native menus have no "visible" flag, so the HMENU is built from the model each time it opens.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

constexpr int kCheckImage = 12;    // the menu image list's check mark
constexpr int kUncheckImage = 13;  // the menu image list's "off" mark

struct MenuItem {
    std::string name;
    std::string caption;  // code page 1251; "-" is a separator; "&" is shown as itself
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int imageIndex = -1;
    intptr_t tag = 0;
    std::string data;  // what the item stands for (a file or entry name), never derived from the caption
    std::function<void(MenuItem&)> onClick;
    std::vector<std::unique_ptr<MenuItem>> items;

    MenuItem* Add(std::string itemName, std::string itemCaption, std::function<void(MenuItem&)> click = {});
    MenuItem* AddSeparator(std::string itemName);
    MenuItem* Find(const std::string& itemName);
    void Clear() { items.clear(); }
    bool IsSeparator() const { return caption == "-"; }
    // The check mark as the menus of this program show it: checked with image 12, else no image.
    void SetChecked(bool on) {
        checked = on;
        imageIndex = on ? kCheckImage : -1;
    }
};

class PopupMenu {
public:
    MenuItem root;
    bool autoPopup = true;
    std::function<void()> onPopup;

    // Shows the menu at a screen point and runs the chosen item's click handler.
    void Popup(HWND owner, POINT at);
    MenuItem* Find(const std::string& name) { return root.Find(name); }

    // Builds the native menu of the visible items; ids map back to items through `commands`.
    static HMENU Build(const MenuItem& parent, std::vector<MenuItem*>& commands);
};

// "&" in a caption shown as itself in a native menu.
std::wstring MenuCaptionText(const std::string& caption);

// True while a menu of the calling thread is open (a pop-up or the menu bar).
bool MenuOpenOnThisThread();

}  // namespace fw
