// The program's entry: the single-instance test, the main window and the message loop.
#include <windows.h>

#include <shellapi.h>

#include "engine/product.h"
#include "engine/single_instance.h"
#include "framework/application.h"
#include "framework/message_box.h"
#include "framework/text.h"
#include "mainwindow/login_box.h"
#include "mainwindow/main_form.h"

namespace {

std::string FirstArgument() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::string first = argv && argc > 1 ? fw::Narrow(argv[1]) : std::string();
    if (argv) LocalFree(argv);
    return first;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace quon;
    // Held, never closed, until the process ends.
    static HANDLE instanceMutex = CreateSingleInstanceMutex(kInstanceMutexName);
    const std::string first = FirstArgument();
    if (!SkipsSingleInstanceTest(first) && !instanceMutex) {
        fw::Application::SetTitle("");
        fw::ShowBox(std::string("программа «") + kProductName + "» уже запущена!\n(запуск второй копии сейчас невозможен)",
                    MB_ICONWARNING);
        return 1;
    }
    try {
        fw::Application::Initialize();
        fw::Application::SetTitle(kProductName);
        Tfrm_quonm form(first);
        if (!form.CreateForm()) return 0;
        Tfrm_login login;
        login.CreateBox();
        fw::Application::HideWindow();
        return fw::Application::Run();
    } catch (const std::exception& e) {
        fw::ShowBox(e.what(), MB_ICONERROR);
    } catch (...) {
    }
    return 0;
}
