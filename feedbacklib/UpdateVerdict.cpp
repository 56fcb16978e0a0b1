#include "feedbacklib/UpdateVerdict.h"

#include "feedbacklib/DottedVersion.h"
#include "feedbacklib/UpdateManifest.h"
#include "feedbacklib/WebAddress.h"

namespace feedbacklib {

UpdateVerdict JudgeUpdate(unsigned status, bool complete, std::string_view body,
                          std::string_view toolId, std::string_view version) {
    UpdateVerdict verdict;
    if (!complete || status != 200)
        return verdict;
    const auto manifest = ParseUpdateManifest(body);
    if (!manifest)
        return verdict;
    const ManifestEntry* entry = manifest->Find(toolId);
    if (entry == nullptr || !IsStrictlyNewerVersion(entry->version, version)) {
        verdict.answer = kNotNewer;
        return verdict;
    }
    verdict.answer = kNewerVersionAvailable;
    if (IsOpenableWebAddress(entry->download))
        verdict.download = entry->download;
    return verdict;
}

} // namespace feedbacklib
