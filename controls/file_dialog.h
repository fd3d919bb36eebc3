#pragma once
// The open and save file dialogs, called through the dialog library loaded on first use and kept loaded
// for the rest of the process. A module that imported it would load and free it with itself, and under
// Wine every free of that library leaves a kernel handle behind; the settings library is loaded and
// freed at every opening of its dialog.
#include <windows.h>
#include <commdlg.h>

namespace controls {

// GetSaveFileNameW (save) or GetOpenFileNameW; false when the user cancels or the library is missing.
bool RunFileDialog(OPENFILENAMEW& ofn, bool save);

}  // namespace controls
