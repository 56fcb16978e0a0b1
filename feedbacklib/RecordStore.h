// The feedback file and its summary in the library's data folder.
//
// Appends take a named mutex shared by every process using the library and write each
// record with a single WriteFile on a FILE_APPEND_DATA handle, so records from several
// processes never interleave and none is lost. The folder and every file in it are checked
// through the handles that are then used (framework/SafeFolder): nothing is read, written or
// moved through a junction, symbolic link or hard link; such a call fails instead.
#pragma once

#include <string>

namespace feedbacklib {

class CRecordStore {
public:
    explicit CRecordStore(std::wstring folder);

    // Creates the folder if needed; false when it neither exists nor can be made, or is a link.
    bool Prepare() const;
    // Appends one complete line (see FormatFeedbackRecord).
    bool Append(const std::string& line) const;
    // Rewrites CustomerFeedbackInfo.txt from the records (replaced in one move).
    bool WriteSummary() const;

private:
    std::wstring m_folder;
};

} // namespace feedbacklib
