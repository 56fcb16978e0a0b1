#include "feedbacklib/RecordStore.h"

#include "feedbacklib/FeedbackRecord.h"

#include <windows.h>

#include <memory>
#include <utility>

namespace feedbacklib {

namespace {

constexpr wchar_t kMutexName[] = L"Local\\ArkwenFeedbackInformation.Records";
constexpr DWORD kLockWaitMs = 2000;
constexpr DWORD kMaxRecordsBytes = 64u << 20;

struct HandleCloser {
    void operator()(HANDLE h) const noexcept {
        if (h != nullptr && h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle OpenFileHandle(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE h = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

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

} // namespace

CRecordStore::CRecordStore(std::wstring folder) : m_folder(std::move(folder)) {}

bool CRecordStore::Prepare() const {
    if (m_folder.empty())
        return false;
    if (::CreateDirectoryW(m_folder.c_str(), nullptr))
        return true;
    const DWORD attributes = ::GetFileAttributesW(m_folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CRecordStore::Append(const std::string& line) const {
    if (!Prepare() || line.empty())
        return false;
    const RecordsLock lock;
    const Handle file = OpenFileHandle(RecordsPath(), FILE_APPEND_DATA, OPEN_ALWAYS);
    return file && WriteAll(file.get(), line);
}

bool CRecordStore::WriteSummary() const {
    if (!Prepare())
        return false;
    const RecordsLock lock;
    std::string records;
    if (const Handle file = OpenFileHandle(RecordsPath(), GENERIC_READ, OPEN_EXISTING)) {
        LARGE_INTEGER size = {};
        if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxRecordsBytes)
            return false;
        records.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!records.empty() && !::ReadFile(file.get(), records.data(),
                                            static_cast<DWORD>(records.size()), &read, nullptr))
            return false;
        records.resize(read);
    } else if (::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }

    const std::wstring temp = m_folder + L"\\CustomerFeedbackInfo.tmp";
    {
        const Handle out = OpenFileHandle(temp, GENERIC_WRITE, CREATE_ALWAYS);
        if (!out || !WriteAll(out.get(), FormatFeedbackSummary(ParseFeedbackRecords(records))))
            return false;
    }
    return ::MoveFileExW(temp.c_str(), SummaryPath().c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

} // namespace feedbacklib
