#pragma once

#include "foundation/values/text.h"

#include <QString>

namespace zanvik {

// The settings of one open-file dialog control. The window that owns the control keeps it while
// the window exists, so the dialog remembers the last file chosen with it.
struct OpenFileDialog {
    Text title;    // the dialog's title; empty gives the toolkit's default
    Text filter;   // pairs of description and pattern separated by "|": "图片(*.jpg)|*.jpg"
    Text fileName; // the last chosen full path, offered as the initial file; empty at first
};

// Shows the toolkit's open-file dialog with the first filter selected and the last chosen path
// (if any) as the initial file. Nothing is checked: a name that does not exist may be chosen.
// On OK, stores the full path in dialog.fileName and gives true. On Cancel, and when the chosen
// path cannot be written in GBK, gives false and leaves fileName unchanged.
bool chooseOpenFile(OpenFileDialog& dialog);

// The toolkit's filter list for a filter text: trailing white space removed, then each
// "description|pattern" pair becomes "description (pattern)", pairs joined by ";;". A pair
// without a pattern is dropped; the empty text gives the empty string (every file).
QString qtFilterFromFilterText(const Text& filter);

} // namespace zanvik
