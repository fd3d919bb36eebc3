// Help from the dialog: F1 opens the topic of the page shown, two labels of the information page open
// theirs; without the help file the user is offered its download.
#include <windows.h>

#include <shellapi.h>

#include "config/dialog/settings_dialog.h"
#include "engine/product.h"
#include "engine/program_files.h"
#include "engine/settings_pages.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::config {

int HelpContextForPage(int page) { return page == pgStatistics ? 14 : page + 7; }

void Tfrm_quons::ShowHelp(int context) {
    const std::string path = fw::ProgramFolder() + kHelpFile;
    if (GetFileAttributesW(fw::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
        openHelp(path, context);
        return;
    }
    if (ask("файл справки «HELP.hlp» не найден в каталоге программы.\n"
            "желаете ли Вы скачать его с сайта программы сейчас?"))
        openAddress(kHelpFileDownloadUrl);
}

void Tfrm_quons::sub_f1Click() { ShowHelp(HelpContextForPage(pageIndex_)); }
void Tfrm_quons::url_helpClick() { ShowHelp(9999); }
void Tfrm_quons::warning_3Click() { ShowHelp(19); }

}  // namespace quon::config
