#pragma once
// A thin dialog wrapper in the manner of Wnd: the object is attached to its HWND at WM_INITDIALOG, its
// controls are found by id, commands and notifications go to handlers registered per control and event,
// and no exception ever leaves the dialog procedure. Control texts are code page 1251, as elsewhere.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/control_values.h"

namespace fw {

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // A child dialog (a page) from a template with DS_CONTROL | WS_CHILD, created hidden inside parent.
    bool CreateChild(HINSTANCE module, int templateId, HWND parent);
    // A top-level dialog without owner; RunModal then runs it until End().
    bool CreateTopLevel(HINSTANCE module, int templateId);
    void Destroy();

    // Shows the dialog and runs its message loop until EndModal(): the thread's other visible windows
    // are disabled meanwhile; keys go through the accelerators first. A WM_QUIT ends the loop and is
    // posted again for the caller's loop.
    void RunModal(HACCEL accelerators);
    void EndModal() { modalEnded_ = true; }
    bool InModalLoop() const { return inModalLoop_; }
    bool ModalEnded() const { return modalEnded_; }

    HWND Handle() const { return hwnd_; }
    // A control by id. The controls of the template are learnt once as the dialog is made (under Wine every
    // GetDlgItem asks the server for the list of children); a control made later, or one that is gone,
    // is asked for again.
    HWND Item(int id) const;

    // Controls by id, through the helpers of control_values.h (a setter leaves a control alone when it
    // already shows the value).
    bool Checked(int id) const { return fw::Checked(Item(id)); }
    void SetChecked(int id, bool on) { fw::SetChecked(Item(id), on); }
    std::string Text(int id) const { return fw::TextOf(Item(id)); }
    void SetText(int id, std::string_view text) { fw::SetText(Item(id), text); }
    // Combo and list boxes: the selected item (-1 none); setting an index outside the items selects none.
    int Index(int id) const { return fw::Selection(Item(id)); }
    void SetIndex(int id, int index) { fw::Select(Item(id), index); }
    int ItemCount(int id) const { return fw::ItemCount(Item(id)); }
    void AddItem(int id, std::string_view text) { fw::AddItem(Item(id), text); }
    void ClearItems(int id) { fw::ClearItems(Item(id)); }
    void SetItems(int id, const std::vector<std::string>& items) { fw::SetItems(Item(id), items); }
    std::string ItemText(int id, int index) const { return fw::ItemText(Item(id), index); }
    // Track bars and up-down controls.
    int Position(int id) const { return fw::Position(Item(id)); }
    void SetPosition(int id, int position) { fw::SetPosition(Item(id), position); }
    void SetRange(int id, int low, int high) { fw::SetRange(Item(id), low, high); }

    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    void Enable(int id, bool on) { fw::Enable(Item(id), on); }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    void Show(int id, bool on) { fw::Show(Item(id), on); }

    // The small state a form keeps with a control: an integer tag and a text hint.
    int Tag(int id) const;
    void SetTag(int id, int tag) { tags_[id] = tag; }
    std::string Hint(int id) const;
    void SetHint(int id, std::string hint) { hints_[id] = std::move(hint); }

    // Handlers by control and event: WM_COMMAND codes (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE, ...),
    // WM_NOTIFY codes, and the scroll messages of track bars and up-down controls.
    void OnCommand(int id, UINT code, std::function<void()> handler);
    void OnNotify(int id, UINT code, std::function<LRESULT(NMHDR&)> handler);
    void OnScroll(int id, std::function<void()> handler);

    // Runs a registered command handler as if the control had sent it, as a click in code.
    void Fire(int id, UINT code);

protected:
    // After the dialog and its controls exist, before it is shown.
    virtual void OnInitDialog() {}
    // Messages the routing does not take; return true when handled (result in `result`).
    virtual bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result);
    // Called when a handler threw; the message then counts as not handled.
    virtual void OnHandlerFault() {}

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Route(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    void LearnItems();

    HWND hwnd_ = nullptr;
    bool modalEnded_ = false;
    bool inModalLoop_ = false;
    std::map<std::pair<int, UINT>, std::function<void()>> commands_;
    std::map<std::pair<int, UINT>, std::function<LRESULT(NMHDR&)>> notifications_;
    std::map<int, std::function<void()>> scrolls_;
    std::map<int, int> tags_;
    std::map<int, std::string> hints_;
    mutable std::unordered_map<int, HWND> items_;
};

}  // namespace fw
