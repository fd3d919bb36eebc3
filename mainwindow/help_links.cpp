// The information items: the help file, the troubleshooter and the program's web site.
#include <windows.h>

#include <shellapi.h>

#include "engine/product.h"
#include "engine/program_files.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

constexpr const char* kSiteUrl = "http://quon-tollen.example/";
constexpr const char* kFixerDownloadUrl = "http://quon-tollen.example/download/troubleshooter.zip";
constexpr unsigned kHelpContext = 9999;

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void OpenAddress(const char* target) {
    ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

// Yes opens the download address; No does nothing.
void OfferDownload(const char* question, const char* url) {
    if (fw::ShowBox(question, MB_ICONQUESTION | MB_YESNO) == IDYES) OpenAddress(url);
}

}  // namespace

void Tfrm_quonm::sub_helpClick() {
    const std::string helpFile = fw::ProgramFolder() + kHelpFile;
    if (FileExists(helpFile)) {
        WinHelpA(Handle(), helpFile.c_str(), HELP_CONTEXT, kHelpContext);
        return;
    }
    OfferDownload("файл справки «HELP.hlp» не найден в каталоге программы.\n"
                  "желаете ли Вы скачать его с сайта программы сейчас?",
                  kHelpFileDownloadUrl);
}

void Tfrm_quonm::sub_fixerClick() {
    const std::string fixer = fw::ProgramFolder() + kTroubleshooterFile;
    if (FileExists(fixer)) {
        OpenAddress(fixer.c_str());
        return;
    }
    OfferDownload("файл «TroubleShooter.eXe» не найден в каталоге программы.\n"
                  "желаете ли Вы скачать его с сайта программы сейчас?",
                  kFixerDownloadUrl);
}

void Tfrm_quonm::sub_webClick() { OpenAddress(kSiteUrl); }

}  // namespace quon
