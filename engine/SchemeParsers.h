// Parsers of powercfg's plan list and duplication output. Every search is case-sensitive.
#pragma once
#include <string>

namespace halvane {

// The token after the first "GUID:" of a line, up to the next blank; only tokens longer
// than 8 characters count. A line without "GUID:" yields its first 8-4-4-4-12 hex token whose
// neighbours are neither hex digits nor dashes. Returns false and leaves *guid alone when there
// is none.
bool GuidFromLine(const std::wstring& line, std::wstring* guid);

// First plan line, in list order, naming the ultimate plan (Chinese name first, else English)
// that carries a usable GUID.
bool FindUltimateSchemeGuid(std::wstring output, std::wstring* guid);

// The GUID printed by the duplication command: the first "GUID:" of the whole output, else its
// first GUID-shaped token.
bool GetDuplicatedSchemeGuid(std::wstring output, std::wstring* guid);

// Whether the list marks the plan active: a "*" between the GUID and the end of its line.
bool IsSchemeActive(std::wstring output, std::wstring guid);

// Whether the list holds an ultimate plan by either name.
bool ContainsUltimateScheme(const std::wstring& output);

} // namespace halvane
