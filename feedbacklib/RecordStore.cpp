#include "feedbacklib/RecordStore.h"

#include "feedbacklib/FeedbackRecord.h"
#include "framework/SafeFolder.h"

#include <windows.h>

#include <memory>
#include <utility>

namespace feedbacklib {

namespace {

constexpr wchar_t kMutexName[] = L"Local\\ArkwenFeedbackInformation.Records";
constexpr DWORD kLockWaitMs = 2000;
constexpr DWORD kMaxRecordsBytes = 64u << 20;
constexpr wchar_t kRecordsName[] = L"CustomerFeedback.txt";
constexpr wchar_t kSummaryName[] = L"CustomerFeedbackInfo.txt";
constexpr wchar_t kTempName[] = L"CustomerFeedbackInfo.tmp";

using halvane::fw::SafeFolder;

struct HandleCloser {
    void operator()(HANDLE h) const noexcept {
        if (h != nullptr && h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// Holds the records mutex while alive. A lock that cannot be had within the wait is given up
// on: the append is still a single write, which beats dropping the answer.
class RecordsLock {
public:
    RecordsLock() : m_mutex(::CreateMutexW(nullptr, FALSE, kMutexName)) {
        if (m_mutex) {
            const DWORD r = ::WaitForSingleObject(m_mutex.get(), kLockWaitMs);
            m_owned = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
        }
    }
    RecordsLock(const RecordsLock&) = delete;
    RecordsLock& operator=(const RecordsLock&) = delete;
    ~RecordsLock() {
        if (m_owned)
            ::ReleaseMutex(m_mutex.get());
    }

private:
    Handle m_mutex;
    bool m_owned = false;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Made writable by administrators alone. A folder found in place is used when it is a plain
// folder; each file in it is checked through its own handle before use.
SafeFolder PreparedFolder(const std::wstring& path) {
    if (path.empty())
        return SafeFolder();
    halvane::fw::CreateGuardedFolder(path);
    return SafeFolder::Open(path);
}

} // namespace

CRecordStore::CRecordStore(std::wstring folder) : m_folder(std::move(folder)) {}

bool CRecordStore::Prepare() const {
    return static_cast<bool>(PreparedFolder(m_folder));
}

bool CRecordStore::Append(const std::string& line) const {
    if (line.empty())
        return false;
    const SafeFolder folder = PreparedFolder(m_folder);
    const RecordsLock lock;
    const SafeFolder::File file =
        folder.OpenFile(kRecordsName, FILE_APPEND_DATA, SafeFolder::Opening::ExistingOrNew);
    return file.handle && WriteAll(file.handle.Get(), line);
}

bool CRecordStore::WriteSummary() const {
    const SafeFolder folder = PreparedFolder(m_folder);
    if (!folder)
        return false;
    const RecordsLock lock;
    std::string records;
    // Records read through a link would put another file's text into the summary.
    const SafeFolder::File in =
        folder.OpenFile(kRecordsName, GENERIC_READ, SafeFolder::Opening::Existing);
    if (in.handle) {
        LARGE_INTEGER size = {};
        if (!::GetFileSizeEx(in.handle.Get(), &size) || size.QuadPart > kMaxRecordsBytes)
            return false;
        records.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!records.empty() && !::ReadFile(in.handle.Get(), records.data(),
                                            static_cast<DWORD>(records.size()), &read, nullptr))
            return false;
        records.resize(read);
    } else if (!in.missing) {
        return false;
    }

    {
        const SafeFolder::File out =
            folder.OpenFile(kTempName, GENERIC_WRITE, SafeFolder::Opening::EmptiedOrNew);
        if (!out.handle ||
            !WriteAll(out.handle.Get(), FormatFeedbackSummary(ParseFeedbackRecords(records))) ||
            !::FlushFileBuffers(out.handle.Get()))
            return false;
    }
    return folder.Rename(kTempName, kSummaryName);
}

} // namespace feedbacklib
