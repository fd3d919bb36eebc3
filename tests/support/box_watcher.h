#pragma once
// Watches the calling thread's windows from a second thread; each message box that appears is read
// and answered with `answer`. Stop() (or the destructor) ends the watch; Stop() gives what was seen.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quon::test {

struct SeenBox {
    std::string caption;
    std::string text;
};

class BoxWatcher {
public:
    explicit BoxWatcher(int answer = IDOK);
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;
    std::vector<SeenBox> Stop();

private:
    void Watch();

    DWORD thread_;
    int answer_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
    std::mutex mutex_;
    std::vector<SeenBox> seen_;
    HWND last_ = nullptr;
};

}  // namespace quon::test
