// Links planted where the tool writes, and the place they point to, which nothing may reach.
// Under Wine 8 no Windows link can be made (CreateSymbolicLinkW reports success and makes
// nothing; FSCTL_SET_REPARSE_POINT is refused), so there the links are Unix symbolic links, made
// with the Linux system call from inside the test; on Windows, symbolic links.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testing_win {

// What a case plants at the folder the tool writes in, or at one file name in it.
enum class Planted {
    Nothing,      // a plain folder
    FolderLink,   // the folder itself is a link to the trap
    FileLink,     // the file is a link to the trap's bait
    DanglingLink, // the file is a link to a file of the trap that does not exist
    HardLink,     // the file is a second name of the trap's bait
};

bool RunningUnderWine();

// A link at link to target (both absolute Windows paths), and its removal.
bool PlantLink(const std::wstring& link, const std::wstring& target, bool folder);
bool RemoveLink(const std::wstring& link, bool folder);

class LinkTrap {
public:
    // Makes folder (emptied first) holding bait.txt.
    explicit LinkTrap(std::wstring folder);
    // Removes the links it planted (never what they point to).
    ~LinkTrap();
    LinkTrap(const LinkTrap&) = delete;
    LinkTrap& operator=(const LinkTrap&) = delete;

    const std::wstring& Folder() const { return m_folder; }
    std::wstring Bait() const { return m_folder + L"\\bait.txt"; }
    std::wstring Absent() const { return m_folder + L"\\absent.txt"; }

    // Makes the tool's folder and plants what into it (name: the file, for the file cases).
    bool Plant(Planted what, const std::wstring& folder, const std::wstring& name) const;
    // Moves folder aside (to folder + ".real") and puts a link to the trap in its place.
    bool SwapFolder(const std::wstring& folder) const;
    // Through the tool's seam (framework/SafeFolder): the next time the tool opens a file in a
    // folder it has checked, SwapFolder is done on that folder. False once it happened.
    void ArmSwap() const;
    bool SwapPending() const;

    // Empty while the trap holds bait.txt with its bytes and nothing else; otherwise what
    // reached it.
    std::string Disturbance() const;

private:
    bool AddLink(const std::wstring& link, const std::wstring& target, bool folder) const;

    std::wstring m_folder;
    mutable std::vector<std::pair<std::wstring, bool>> m_links;
};

} // namespace testing_win
