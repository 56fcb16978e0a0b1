#include "feedbacklib/FeedbackLibrary.h"

#include "feedbacklib/DefaultAddresses.h"
#include "feedbacklib/DottedVersion.h"
#include "feedbacklib/FeedbackRecord.h"
#include "feedbacklib/HttpGet.h"
#include "feedbacklib/LibraryConfig.h"
#include "feedbacklib/RecordStore.h"
#include "feedbacklib/UpdateManifest.h"
#include "feedbacklib/WebAddress.h"
#include "feedbacklib/WebOpener.h"

namespace feedbacklib {

namespace {

constexpr std::size_t kMaxManifestBytes = 64 * 1024;
constexpr int kNewer = 3;
constexpr int kNotNewer = 1;

} // namespace

CFeedbackLibrary& CFeedbackLibrary::Instance() {
    static CFeedbackLibrary library;
    return library;
}

int CFeedbackLibrary::Init() {
    CLibraryConfig config;
    if (!config.Read())
        return 0;
    CRecordStore(config.DataFolder()).Prepare();
    return 1;
}

int CFeedbackLibrary::CheckNewVersion(const std::string& toolId, const std::string& version) {
    CLibraryConfig config;
    config.Read();
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_lastToolId = toolId;
        m_lastVersion = version;
        m_lastDownload.clear();
    }
    const HttpResponse response = HttpGet(config.UpdateAddress(), kMaxManifestBytes);
    if (!response.complete || response.status != 200)
        return 0;
    const auto manifest = ParseUpdateManifest(response.body);
    if (!manifest)
        return 0;
    const ManifestEntry* entry = manifest->Find(toolId);
    if (entry == nullptr || !IsStrictlyNewerVersion(entry->version, version))
        return kNotNewer;
    if (IsOpenableWebAddress(entry->download)) {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_lastDownload = entry->download;
    }
    return kNewer;
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
