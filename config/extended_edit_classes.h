#pragma once
// Window classes of the file-name fields (theme, the four sounds) and of the next-period date field.
// The text such a field holds is its value: a file name, or a date as "dd.mm.yy". Plain edits for now:
// registering and releasing the extended classes ("TFilenameEdit", "TDateEdit") at every opening left a
// kernel handle behind each time, and the file-name fields GDI objects (the leak test of the settings
// library shows it), so they wait for that to be mended.
#define QUON_FILENAME_EDIT_CLASS "EDIT"
#define QUON_DATE_EDIT_CLASS "EDIT"
