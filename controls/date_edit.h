#pragma once
// The date edit: its button drops a month calendar under the edit (or opens the date dialog); numeric
// plus and minus step a day, "T" gives today. The text follows the regional date order and separator,
// or the fixed "dd.mm.yy" layout, through a mask: the separators stay in place, digits overwrite the
// blanks, and typed, pasted and programmatically set text alike is laid into it.
#include <cstdint>
#include <string>

#include "controls/combo_edit.h"
#include "controls/date_util.h"
#include "controls/edit_mask.h"

namespace controls {

class PopupCalendar;

constexpr wchar_t kDateEditClass[] = L"TDateEdit";

enum class YearDigits { Default, Four, Two };

class DateEdit : public ComboEdit {
public:
    static DateEdit* From(HWND hwnd);

    DateValue Date() const;  // no date (or today with DefaultToday) for an empty or unreadable text
    void SetDate(DateValue date);
    void SetFixedDayMonthYear(bool on);
    void SetYearDigits(YearDigits digits);
    void SetDefaultToday(bool on) { defaultToday_ = on; }
    void SetCheckOnExit(bool on) { checkOnExit_ = on; }
    void SetDialogStyle(bool on);  // true: the button opens the date dialog
    void SetDialogTitle(const std::string& title) { dialogTitle_ = title; }
    void SetCalendar(int startOfWeek, uint8_t weekends, COLORREF weekendColor);
    void SetCalendarHints(const std::string hints[4]);
    const std::string& Format() const { return format_; }
    char Separator() const { return locale_.separator; }
    PopupCalendar* Calendar() const { return calendar_; }
    bool IsEmptyText(const std::string& text) const;

protected:
    void Created() override;
    void ButtonClick() override;
    bool KeyDown(UINT vk) override;
    bool KeyChar(wchar_t c) override;
    void SetPopupValue() override;
    bool AcceptPopup(double& value) override;
    void AcceptValue(double value) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void UpdateFormat();
    void UpdatePopup();
    void SetDateAndSelect(DateValue date);
    bool AcceptDate(DateValue& date);
    // Edits of the text through the mask, with the selection as it is.
    void TypeMasked(char c);
    void EraseMasked(bool backward, bool toEnd);
    void BlankSelection();
    void PasteMasked();
    void ApplyMasked(const EditMask::Result& r);
    void SelectionOf(size_t& start, size_t& end);

    PopupCalendar* calendar_ = nullptr;
    DateLocale locale_;
    EditMask mask_;
    std::string undoText_;  // the text before the last edit, for Ctrl+Z
    bool canUndo_ = false;
    std::string format_ = "DD/MM/YY";
    bool fixed_ = false;
    YearDigits yearDigits_ = YearDigits::Default;
    bool defaultToday_ = false;
    bool checkOnExit_ = false;
    bool dialogStyle_ = false;
    std::string dialogTitle_;
    int startOfWeek_ = 1;
    uint8_t weekends_ = 1;
    COLORREF weekendColor_ = RGB(255, 0, 0);
    std::string hints_[4];
};

bool RegisterDateEditClass(HINSTANCE module);
void UnregisterDateEditClass();

}  // namespace controls
