#pragma once

// Once a fortnight at most, asks whether to look for a newer version, and opens
// the download page on Yes. The date of the last reminder (or of the very first
// start) is kept in the per-user settings store under "Duration". A store that
// cannot be read or written, or a stored text that is not a date, ends the
// reminder quietly: start-up always goes on.
void ShowUpdateReminder();

namespace UpdateReminder {
// The question; a lone carriage return separates its two lines.
inline constexpr char Question[] =
    "There maybe an update to this software available\rDo you want to check for an update?";
// The settings key of the reminder date, before encoding.
inline constexpr char DateKey[] = "Duration";
// No reminder while the stored date lies at most this many days from today.
inline constexpr int QuietDays = 14;
} // namespace UpdateReminder
