#include "controls/controls.h"

#include <commctrl.h>

#include "controls/calendar_view.h"
#include "controls/combo_edit.h"
#include "controls/date_edit.h"
#include "controls/filename_edit.h"
#include "controls/glyph_cache.h"
#include "controls/popup_calendar.h"
#include "controls/registry.h"
#include "controls/speed_button.h"

namespace controls {

bool RegisterControlClasses(HINSTANCE module) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    UseControlsModule(module);
    return RegisterSpeedButtonClass(module) && RegisterCalendarClass(module) && RegisterPopupCalendarClass(module) &&
           RegisterComboEditClass(module) && RegisterFilenameEditClass(module) && RegisterDateEditClass(module);
}

void ReleaseControlResources() {
    UnregisterDateEditClass();
    UnregisterFilenameEditClass();
    UnregisterComboEditClass();
    UnregisterPopupCalendarClass();
    UnregisterCalendarClass();
    UnregisterSpeedButtonClass();
    FreeSharedEditGlyphs();
    FreeNavigationGlyphs();
    glyph_cache::FreeAll();
    ReleaseControlsModule();
}

FilenameEdit* FilenameEditOf(HWND hwnd) { return FilenameEdit::From(hwnd); }
DateEdit* DateEditOf(HWND hwnd) { return DateEdit::From(hwnd); }
ComboEdit* ComboEditOf(HWND hwnd) { return ComboEdit::From(hwnd); }

}  // namespace controls
