#include "tests/support/box_answerer.h"

#include "tests/support/message_box.h"

namespace quon::test {

struct BoxAnswerer::Shared {
    explicit Shared(int b) : button(b) {}
    int button;
    volatile LONG stop = 0;
    CRITICAL_SECTION lock{};
    std::vector<std::string> texts;
    std::vector<HWND> answered;
};

BoxAnswerer::BoxAnswerer(int buttonId) : shared_(new Shared(buttonId)) {
    InitializeCriticalSection(&shared_->lock);
    thread_ = CreateThread(
        nullptr, 0,
        [](LPVOID p) -> DWORD {
            auto* s = static_cast<Shared*>(p);
            while (!s->stop) {
                for (const MessageBoxInfo& b : MessageBoxesOf(GetCurrentProcessId())) {
                    EnterCriticalSection(&s->lock);
                    bool seen = false;
                    for (HWND h : s->answered) seen = seen || h == b.window;
                    if (!seen) {
                        s->answered.push_back(b.window);
                        s->texts.push_back(b.text);
                    }
                    LeaveCriticalSection(&s->lock);
                    AnswerMessageBox(b, s->button);
                }
                Sleep(10);
            }
            return 0;
        },
        shared_, 0, nullptr);
}

BoxAnswerer::~BoxAnswerer() {
    InterlockedExchange(&shared_->stop, 1);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    DeleteCriticalSection(&shared_->lock);
    delete shared_;
}

std::vector<std::string> BoxAnswerer::Texts() const {
    EnterCriticalSection(&shared_->lock);
    std::vector<std::string> copy = shared_->texts;
    LeaveCriticalSection(&shared_->lock);
    return copy;
}

}  // namespace quon::test
