#include "feedbacklib/FeedbackLibrary.h"

#include "feedbacklib/DefaultAddresses.h"
#include "feedbacklib/FeedbackRecord.h"
#include "feedbacklib/HttpGet.h"
#include "feedbacklib/LibraryConfig.h"
#include "feedbacklib/RecordStore.h"
#include "feedbacklib/UpdateVerdict.h"
#include "feedbacklib/WebAddress.h"
#include "feedbacklib/WebOpener.h"

namespace feedbacklib {

namespace {

constexpr std::size_t kMaxManifestBytes = 64 * 1024;
// How long the version question waits for the manifest. The caller is the user-interface
// thread, which also runs a desktop-wide mouse hook: every mouse event on the desktop waits
// with it, and the system drops a hook that is slow to answer.
constexpr unsigned long kManifestWaitMs = 200;

} // namespace

CFeedbackLibrary& CFeedbackLibrary::Instance() {
    static CFeedbackLibrary library;
    return library;
}

int CFeedbackLibrary::Init() {
    CLibraryConfig config;
    if (!config.Read())
        return 0;
    StartUpdateFetch(config.UpdateAddress());
    CRecordStore(config.DataFolder()).Prepare();
    return 1;
}

void CFeedbackLibrary::StartUpdateFetch(const std::string& address) {
    m_updateFetch.Start([address] { return HttpGet(address, kMaxManifestBytes); });
}

int CFeedbackLibrary::CheckNewVersion(const std::string& toolId, const std::string& version) {
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_lastToolId = toolId;
        m_lastVersion = version;
        m_lastDownload.clear();
    }
    if (!m_updateFetch.Started()) {
        CLibraryConfig config;
        config.Read();
        StartUpdateFetch(config.UpdateAddress());
    }
    const auto response = m_updateFetch.Result(kManifestWaitMs);
    if (!response)
        return kCouldNotTell;
    UpdateVerdict verdict =
        JudgeUpdate(response->status, response->complete, response->body, toolId, version);
    if (!verdict.download.empty()) {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_lastDownload = std::move(verdict.download);
    }
    return verdict.answer;
}

int CFeedbackLibrary::CheckUpdateAddressReachable() {
    CLibraryConfig config;
    config.Read();
    return HttpGet(config.UpdateAddress(), kMaxManifestBytes).received ? 1 : 0;
}

int CFeedbackLibrary::OpenDownloadPage() {
    CLibraryConfig config;
    config.Read();
    std::string address;
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        address = !m_lastDownload.empty() ? m_lastDownload
                                          : ExpandAddressTemplate(config.DownloadTemplate(),
                                                                  m_lastToolId, m_lastVersion);
    }
    return OpenWebAddress(address) ? 1 : 0;
}

int CFeedbackLibrary::OpenFeedbackPage(const std::string& toolId, const std::string& version) {
    CLibraryConfig config;
    config.Read();
    return OpenWebAddress(ExpandAddressTemplate(config.FeedbackTemplate(), toolId, version)) ? 1
                                                                                             : 0;
}

int CFeedbackLibrary::OpenAddress(const std::string& address) {
    CLibraryConfig config;
    config.Read();
    return OpenWebAddress(
               RebaseAddress(address, kDefaultKnowledgeBaseRoot, config.KnowledgeBaseRoot()))
               ? 1
               : 0;
}

int CFeedbackLibrary::AddRecord(const std::string& toolId, const std::string& version, int answer,
                                const std::string& time) {
    CLibraryConfig config;
    config.Read();
    return CRecordStore(config.DataFolder())
                   .Append(FormatFeedbackRecord(toolId, version, answer, time))
               ? 1
               : 0;
}

int CFeedbackLibrary::WriteSummary() {
    CLibraryConfig config;
    config.Read();
    return CRecordStore(config.DataFolder()).WriteSummary() ? 1 : 0;
}

} // namespace feedbacklib
