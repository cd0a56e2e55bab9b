#pragma once

// Message numbers of the settings dialog itself (group 5), shared by the
// dialog and by qbx settings set.
namespace qbx::settings_dialog {

inline constexpr int kGroup = 5;
inline constexpr int kNotSaved = 36; // string 11900 with the settings file's path
inline constexpr int kNotSavedText = 11900;

} // namespace qbx::settings_dialog
