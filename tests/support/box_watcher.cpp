#include "tests/support/box_watcher.h"

#include "tests/support/dialog_windows.h"
#include "tests/support/message_box.h"

namespace quon::test {

BoxWatcher::BoxWatcher(int answer) : thread_(GetCurrentThreadId()), answer_(answer) {
    watcher_ = std::thread([this] { Watch(); });
}

BoxWatcher::~BoxWatcher() { Stop(); }

std::vector<SeenBox> BoxWatcher::Stop() {
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
    std::lock_guard lock(mutex_);
    return seen_;
}

void BoxWatcher::Watch() {
    while (!stop_) {
        HWND box = nullptr;
        for (HWND w : DialogsOfThread(thread_))
            if (IsWindowVisible(w)) {
                box = w;
                break;
            }
        if (box && box != last_) {
            const MessageBoxInfo read = ReadMessageBox(box);
            if (!read.text.empty()) {  // a box still being filled is read on the next round
                {
                    std::lock_guard lock(mutex_);
                    seen_.push_back({read.caption, read.text});
                }
                last_ = box;
                PostMessageW(box, WM_COMMAND, answer_, 0);
            }
        }
        Sleep(10);
    }
}

}  // namespace quon::test
