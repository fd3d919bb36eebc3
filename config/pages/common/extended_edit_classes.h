#pragma once
// Window classes of the file-name fields (theme, the four sounds) and of the next-period date field.
// The text such a field holds is its value: a file name, or a date as "dd.mm.yy". The classes are
// registered for each opening of the dialog and released before the entry returns (extended_edits.h).
#define QUON_FILENAME_EDIT_CLASS "TFilenameEdit"
#define QUON_DATE_EDIT_CLASS "TDateEdit"
