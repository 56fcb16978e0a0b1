// Parsers of powercfg's plan list and duplication output. Every search is case-sensitive.
// A plan's name is free text that any user can set: nothing in it may choose the GUID that is
// returned, and only GUID-shaped text is ever returned.
#pragma once
#include <string>

namespace halvane {

// Exactly 8-4-4-4-12 hex digits, nothing before or after.
bool IsGuidShaped(const std::wstring& text);

// A line's GUID is its first 8-4-4-4-12 hex token that no hex digit or dash touches; on every
// plan line the identifier stands before the name, so a GUID inside the name never wins. Where
// a "GUID:" comes before that token, the text after the first "GUID:", up to the next blank,
// must be exactly the GUID (blanks aside), or the line has none. Returns false and leaves
// *guid alone when there is none.
bool GuidFromLine(const std::wstring& line, std::wstring* guid);

// First plan line, in list order, naming the ultimate plan (Chinese name first, else English)
// that carries a usable GUID; a matching line without one is passed over.
bool FindUltimateSchemeGuid(std::wstring output, std::wstring* guid);

// The GUID printed by the duplication command, the whole output read as one line.
bool GetDuplicatedSchemeGuid(std::wstring output, std::wstring* guid);

// Whether the list marks the plan active: on the first terminated line whose GUID is `guid`,
// the "*" of the active plan ends the line right after the name's closing parenthesis (blanks
// aside). A "*" or ")" inside a name never counts.
bool IsSchemeActive(std::wstring output, std::wstring guid);

// Whether the list holds an ultimate plan by either name.
bool ContainsUltimateScheme(const std::wstring& output);

} // namespace halvane
