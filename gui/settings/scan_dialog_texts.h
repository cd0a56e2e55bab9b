#pragma once
#include "ui/dialog.h"

#include <vector>

namespace qbx {

// Texts shared by the scan and TCP status dialogs.

// Loads the edition's explanation labels: string `edition1First` + i (or
// `edition2First` + i in the customer edition) into `controls`[i].
void LoadEditionLabels(CDialog& dialog, const std::vector<int>& controls, int edition1First,
                       int edition2First);

// Room in an unwrapped label for the widest and the tallest of `texts`
// (a text may hold a line break), so that the window has it from the start:
// the probe holds the interface thread while these texts change.
void ReserveTextRoom(CDialog& dialog, int id, const std::vector<QString>& texts);

// The same for a button whose caption changes.
void ReserveCaptionWidth(CDialog& dialog, int id, const std::vector<QString>& captions);

} // namespace qbx
