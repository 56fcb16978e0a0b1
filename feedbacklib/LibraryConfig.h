// Settings of the library: built-in defaults, overridden by ArkwenFeedbackInformation.ini
// beside the library (read on every use, so an edited file takes effect at once).
//
//   [Urls]
//   Update=...          update manifest, fetched by GetToolIsNewVersion / GetInterNetState
//   Download=...        download page template ({tool}, {version})
//   Feedback=...        feedback page template ({tool}, {version})
//   KnowledgeBase=...   replaces the built-in knowledge-base root in OpenUrl addresses
//   [Data]
//   Folder=...          where feedback records are kept (default: common app data\ArkwenFeedback)
#pragma once

#include <string>

namespace feedbacklib {

class CLibraryConfig {
public:
    // False when the library cannot tell where it lies; the defaults stay in place then.
    bool Read();

    const std::wstring& ModuleFolder() const { return m_moduleFolder; }
    const std::string& UpdateAddress() const { return m_update; }
    const std::string& DownloadTemplate() const { return m_download; }
    const std::string& FeedbackTemplate() const { return m_feedback; }
    const std::string& KnowledgeBaseRoot() const { return m_knowledgeBase; }
    // Empty when no folder can be named; records are then not kept.
    const std::wstring& DataFolder() const { return m_dataFolder; }

private:
    std::wstring m_moduleFolder;
    std::string m_update;
    std::string m_download;
    std::string m_feedback;
    std::string m_knowledgeBase;
    std::wstring m_dataFolder;
};

} // namespace feedbacklib
