// A copy of the real library loaded for one test only, in a folder of its own with its own
// configuration: the library asks for the update manifest once per load and keeps the answer.
#pragma once

#include "feedback/FeedbackEntryPoints.h"
#include "framework/KernelHandles.h"
#include "win/feedback/CaseFolder.h"

#include <windows.h>

#include <string>
#include <vector>

namespace testing_win {

// Bound for waits on the library's own work (fetches, unloading): far above anything it needs,
// only there so that a fault ends the test instead of hanging it.
inline constexpr unsigned long kLibraryWorkWaitMs = 20000;

class FreshLibrary {
public:
    // urlLines: the [Urls] lines of the configuration, as written.
    explicit FreshLibrary(const std::string& urlLines);
    FreshLibrary(const FreshLibrary&) = delete;
    FreshLibrary& operator=(const FreshLibrary&) = delete;
    ~FreshLibrary();

    bool Loaded() const { return m_module != nullptr; }
    int Init() const;
    int IsNewVersion() const;
    int InterNetState() const;
    int OpenToolDownUrl() const;

    // The threads of this process that were started at a function of the library, to wait on.
    std::vector<halvane::fw::KernelHandle> ThreadsStartedInside() const;
    // FreeLibrary; the library may stay in the process while work of its own still runs.
    void Free();
    // Whether the library is still in the process.
    bool Mapped() const;

private:
    template <typename Fn> Fn Entry(const char* name) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(m_module, name)));
    }

    CaseFolder m_folder;
    HMODULE m_module = nullptr;
};

} // namespace testing_win
