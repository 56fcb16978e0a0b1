// Names shared by urlrecorder.exe and the tests that read what it recorded.
#pragma once

namespace urlrecorder {

// The file the addresses are appended to, one UTF-8 line each.
inline constexpr wchar_t kLogVariable[] = L"HALVANE_URLRECORDER_LOG";
// Optional: a semaphore released once after the line is written (a wake-up, not a count).
inline constexpr wchar_t kSignalVariable[] = L"HALVANE_URLRECORDER_SIGNAL";
// Held around every append and every read of a log: appends by several recorders at once
// would otherwise overwrite each other (Wine appends at a size it read just before), and a
// reader could see half a line.
inline constexpr wchar_t kAppendMutex[] = L"Local\\HalvaneUrlRecorder.Append";
inline constexpr unsigned long kAppendWaitMs = 60000;

} // namespace urlrecorder
