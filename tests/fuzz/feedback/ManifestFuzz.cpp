// Feeds arbitrary bytes to the manifest parser and checks what it returns is consistent.
#include "feedbacklib/DottedVersion.h"
#include "feedbacklib/UpdateManifest.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto manifest = feedbacklib::ParseUpdateManifest(text);
    if (!manifest)
        return 0;
    for (const auto& entry : manifest->entries) {
        // Names are trimmed and unique; Find must return the entry itself.
        if (entry.toolId.empty() || manifest->Find(entry.toolId) != &entry)
            std::abort();
        (void)feedbacklib::IsStrictlyNewerVersion(entry.version, "1.0.21.219");
    }
    return 0;
}
