// Knowledge-base addresses the tool hands to the feedback library's OpenUrl.
// The library maps this built-in root to the one in its configuration file, if any.
#pragma once

#define HALVANE_KNOWLEDGE_BASE_ROOT "https://support.halvane.example"

// Site root ("更多方案" of the problem feedback dialog).
inline constexpr wchar_t kKnowledgeBaseRoot[] = L"" HALVANE_KNOWLEDGE_BASE_ROOT;
// Article behind "更多工具" on the main panel.
inline constexpr wchar_t kMoreToolsArticle[] =
    L"" HALVANE_KNOWLEDGE_BASE_ROOT "/detail/dc_172545.html";
// The same root for code that works on UTF-8.
inline constexpr char kKnowledgeBaseRootUtf8[] = HALVANE_KNOWLEDGE_BASE_ROOT;
