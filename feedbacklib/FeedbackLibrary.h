// What the library's nine entry points do, on UTF-8 text; one instance per process.
#pragma once

#include "feedbacklib/BackgroundFetch.h"

#include <mutex>
#include <string>

namespace feedbacklib {

class CFeedbackLibrary {
public:
    static CFeedbackLibrary& Instance();

    // 1 when the library can work: it knows its own folder (for its configuration). A data
    // folder that cannot be made only means that records are not kept. 0 otherwise. On 1 the
    // update manifest is already being fetched in the background.
    int Init();
    // 3 when the update manifest names a strictly newer version of toolId; 1 when it names no
    // newer one; 0 when the question could not be answered (no answer, bad manifest, ...) or
    // the manifest was not in within a short wait. Every call judges the one manifest fetched
    // (from Init, or from the first call when there was none).
    int CheckNewVersion(const std::string& toolId, const std::string& version);
    // 1 when the update address answered at all (any HTTP status), else 0.
    int CheckUpdateAddressReachable();
    // Download page of the tool last asked about: the manifest's address if it gave one.
    int OpenDownloadPage();
    int OpenFeedbackPage(const std::string& toolId, const std::string& version);
    // Any http(s) address; one under the built-in knowledge-base root goes to the configured one.
    int OpenAddress(const std::string& address);
    int AddRecord(const std::string& toolId, const std::string& version, int answer,
                  const std::string& time);
    int WriteSummary();

private:
    CFeedbackLibrary() = default;
    void StartUpdateFetch(const std::string& address); // once; later calls keep the first

    CBackgroundFetch m_updateFetch;

    std::mutex m_lock; // guards the three values below
    std::string m_lastToolId;
    std::string m_lastVersion;
    std::string m_lastDownload;
};

} // namespace feedbacklib
