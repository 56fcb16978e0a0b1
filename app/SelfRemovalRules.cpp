#include "app/SelfRemovalRules.h"

namespace halvane {

namespace {

wchar_t FoldAscii(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// True when no part between backslashes (after the first `skip` characters) is "." or "..".
bool NoDotParts(std::wstring_view path, std::size_t skip) {
    std::size_t start = skip;
    while (start <= path.size()) {
        std::size_t end = path.find(L'\\', start);
        if (end == std::wstring_view::npos)
            end = path.size();
        const std::wstring_view part = path.substr(start, end - start);
        if (part == L"." || part == L"..")
            return false;
        start = end + 1;
    }
    return true;
}

// Characters of the root: "X:" or "\\server\share"; 0 when neither.
std::size_t RootLength(std::wstring_view path) {
    if (path.size() >= 2 && path[1] == L':' &&
        ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')))
        return 2;
    if (!StartsWith(path, L"\\\\"))
        return 0;
    const std::size_t server = path.find(L'\\', 2);
    // "\\.\" and "\\?\" name devices and namespaces, not servers.
    if (server == std::wstring_view::npos || server == 2 || path.substr(2, server - 2) == L"." ||
        path.substr(2, server - 2) == L"?")
        return 0;
    std::size_t share = path.find(L'\\', server + 1);
    if (share == std::wstring_view::npos)
        share = path.size();
    return share > server + 1 ? share : 0;
}

// The folder that holds a normalised folder; empty for a root.
std::wstring ParentOf(const std::wstring& folder) {
    const std::size_t root = RootLength(folder);
    const std::size_t slash = folder.rfind(L'\\');
    return slash == std::wstring::npos || slash < root ? std::wstring() : folder.substr(0, slash);
}

} // namespace

std::wstring NormaliseFolder(std::wstring_view path) {
    std::wstring text(path);
    for (wchar_t& c : text) {
        if (c == L'/')
            c = L'\\';
    }
    if (StartsWith(text, L"\\\\?\\UNC\\"))
        text = L"\\\\" + text.substr(8);
    else if (StartsWith(text, L"\\\\?\\"))
        text.erase(0, 4);
    while (!text.empty() && text.back() == L'\\')
        text.pop_back();
    const std::size_t root = RootLength(text);
    // "X:" must be followed by a backslash or nothing: "X:tool" is relative to a drive's folder.
    if (root == 0 || (root == 2 && text.size() > 2 && text[2] != L'\\'))
        return {};
    // Doubled backslashes would let one place be spelled two ways.
    if (text.find(L"\\\\", root) != std::wstring::npos || !NoDotParts(text, root + 1))
        return {};
    for (wchar_t& c : text)
        c = FoldAscii(c);
    return text;
}

bool MayRemoveFolder(std::wstring_view folder, const RefusedPlaces& refused) {
    const std::wstring mine = NormaliseFolder(folder);
    // Nothing readable, or a drive root or share itself.
    if (mine.empty() || mine.size() <= RootLength(mine))
        return false;
    const std::wstring mineWithSlash = mine + L'\\';
    const std::wstring parent = ParentOf(mine);
    const std::wstring grandparent = ParentOf(parent);
    for (const auto* list : {&refused.places, &refused.profiles, &refused.profileRoots}) {
        for (const std::wstring& place : *list) {
            const std::wstring other = NormaliseFolder(place);
            if (other.empty())
                continue;
            if (other == mine || StartsWith(other + L'\\', mineWithSlash))
                return false;
        }
    }
    for (const std::wstring& profile : refused.profiles) {
        const std::wstring other = NormaliseFolder(profile);
        if (!other.empty() && other == parent)
            return false;
    }
    for (const std::wstring& root : refused.profileRoots) {
        const std::wstring other = NormaliseFolder(root);
        if (!other.empty() && (other == parent || other == grandparent))
            return false;
    }
    return true;
}

std::wstring RemovalCommandLine(std::wstring_view cmdPath) {
    // /D: no AutoRun commands; /V:ON: !NAME! is expanded after the line is parsed, so the
    // folder's & ^ ( ) % ! and blanks are never read as syntax. The text after /C does not start
    // with a quote, so cmd strips no quotes from it.
    std::wstring line = L"\"";
    line += cmdPath;
    line += L"\" /D /V:ON /C timeout /t 3 /nobreak & rmdir /s /q \"!";
    line += kFolderVariable;
    line += L"!\"";
    return line;
}

std::wstring RemovalEnvironment(std::wstring_view folder, std::wstring_view windowsFolder,
                                std::wstring_view systemFolder) {
    std::wstring block;
    const auto add = [&block](std::wstring_view name, std::wstring_view value) {
        block += name;
        block += L'=';
        block += value;
        block += L'\0';
    };
    // Sorted by name, as Windows expects. The names cmd would otherwise compute itself are
    // pinned to ":", which no folder name can hold.
    const wchar_t* const kPinned = L":";
    add(L"CD", kPinned);
    add(L"CMDCMDLINE", kPinned);
    add(L"CMDEXTVERSION", kPinned);
    add(L"DATE", kPinned);
    add(L"ERRORLEVEL", kPinned);
    add(kFolderVariable, folder);
    add(L"HIGHESTNUMANODENUMBER", kPinned);
    add(L"PATH", systemFolder);
    add(L"RANDOM", kPinned);
    add(L"SystemRoot", windowsFolder);
    add(L"TIME", kPinned);
    add(L"windir", windowsFolder);
    block += L'\0';
    return block;
}

} // namespace halvane
