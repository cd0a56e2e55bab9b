#pragma once

namespace qbx {

// Names the file to which every shown message appends its number; unset in
// normal use. The test suite sets it so that tools/message_coverage.py can
// tell which message numbers no test has ever shown.
inline constexpr const char* kMessageRecordVariable = "QUILLBOX_MESSAGE_RECORD";

// Appends "G.NNN" and a line feed to that file, when the variable is set.
// Each line goes out in one append write, so the processes of a parallel test
// run can share one file; a file that cannot be written is ignored.
void RecordShownMessage(int group, int number);

} // namespace qbx
