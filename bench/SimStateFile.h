// A temporary state file for the powercfg simulator, handed to every child through
// POWERCFG_SIM_STATE so the benchmark never touches the prefix's shared state.
#pragma once
#include <string>

namespace halvane::bench {

class SimStateFile {
public:
    // Writes the UTF-8 text to a fresh temporary file and points the variable at it.
    explicit SimStateFile(const std::string& utf8Text);
    ~SimStateFile();
    SimStateFile(const SimStateFile&) = delete;
    SimStateFile& operator=(const SimStateFile&) = delete;

    bool Ready() const { return m_ready; }
    std::string Read() const;

private:
    std::wstring m_path;
    bool m_ready = false;
};

} // namespace halvane::bench
