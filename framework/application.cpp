#include "framework/application.h"

namespace fw {
namespace {
HWND g_handle = nullptr;
std::string g_title;
bool g_terminated = false;
}  // namespace

void Application::Initialize() {
    if (g_handle) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TQuonApplication";
    wc.hIcon = Icon(false);
    wc.hIconSm = Icon(true);
    RegisterClassExW(&wc);
    g_handle = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               wc.hInstance, nullptr);
}

HICON Application::Icon(bool small) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"APPICON", IMAGE_ICON,
                                         GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON),
                                         GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON), LR_SHARED));
}

HWND Application::Handle() { return g_handle; }
const std::string& Application::Title() { return g_title; }
void Application::SetTitle(std::string title) { g_title = std::move(title); }

void Application::Terminate() {
    g_terminated = true;
    PostQuitMessage(0);
}

int Application::Run() {
    if (g_terminated) return 0;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace fw
