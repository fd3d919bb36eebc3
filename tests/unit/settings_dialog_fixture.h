#pragma once
// The settings dialog in the test process over a program folder of its own, with its ways out (commands
// to the main window, boxes, help, the shell, the autostart entry) recorded instead of taken.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/pages/common/extended_edits.h"
#include "config/dialog/settings_dialog.h"
#include "tests/unit/launcher_fixture.h"
#include "tests/unit/settings_fixture.h"

namespace quon::config {

using test::ProgramFolderForTest;

inline std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

inline std::string ProgramIcon(const char* name) {
    return (test::BinFolder().parent_path() / "program" / "icons" / "default" / name).string();
}

struct OpenDialog {
    explicit OpenDialog(const std::string& name) : folder(name) {}
    ProgramFolderForTest folder;
    ExtendedEdits edits{GetModuleHandleW(nullptr)};  // the fields' classes, as at an opening
    Tfrm_quons form{GetModuleHandleW(nullptr)};
    std::vector<std::pair<int, std::string>> sent;
    std::vector<std::string> warnings, questions, addresses;
    std::vector<std::pair<std::string, int>> helps;
    std::vector<std::pair<bool, AutostartPlace>> autostart;
    AutostartResult autostartResult;
    std::vector<FileChoice> fileDialogs;
    std::optional<std::string> chosenFile;  // what the next file dialog answers
    bool answerYes = false;

    std::filesystem::path Data() const { return folder.Path() / "data.qif"; }
    std::filesystem::path Plugins() const { return folder.Path() / "plugins.qif"; }

    // Creates the dialog and runs FormShow, as the entry does before the modal loop.
    void Show(int lock = 0) {
        Create(lock);
        form.FormShow();
    }
    void Create(int lock = 0) {
        ASSERT_TRUE(form.Create());
        form.sendToMainWindow = [this](int code, const std::string& text) { sent.emplace_back(code, text); };
        form.showWarning = [this](const std::string& text) { warnings.push_back(text); };
        form.openHelp = [this](const std::string& file, int context) { helps.emplace_back(file, context); };
        form.ask = [this](const std::string& q) { return questions.push_back(q), answerYes; };
        form.openAddress = [this](const std::string& a) { addresses.push_back(a); };
        form.firstArgument = [] { return std::string(); };
        // The autostart entry is the system's; these tests record what would be written instead.
        form.tab_options.applyAutostart = [this](bool on, AutostartPlace chosen, const StartupLinks&) {
            autostart.emplace_back(on, chosen);
            return autostartResult;
        };
        form.tab_interface.chooseFile = [this](const FileChoice& choice) {
            fileDialogs.push_back(choice);
            return chosenFile;
        };
        form.SetStatisticsLock(lock);
    }
};

}  // namespace quon::config
