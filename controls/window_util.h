#pragma once
// Window helpers of the controls.
#include <windows.h>

#include <string>

namespace controls {

// Removes one pending message of that number (of any window of the thread when window is null); a
// WM_QUIT taken on the way is posted again.
void DiscardWindowMessages(HWND window, UINT message);
bool IsActiveWindowOfThread();
// Paints the parent's background (as it would be under the control) into dc.
void PaintParentBackground(HWND control, HDC dc);
// The text of a window as code page 1251, and back.
std::string WindowText(HWND hwnd);
void SetWindowText1251(HWND hwnd, const std::string& text);
// Shortens text with "..." to the width measured on dc.
std::string ShortenTextToWidth(const std::string& text, HDC dc, int width);

}  // namespace controls
