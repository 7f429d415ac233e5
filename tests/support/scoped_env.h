#pragma once
// Scoped changes of process-wide state for tests: an environment variable, and the current
// directory. Each restores the old state when it goes out of scope.
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class ScopedEnv {
  public:
    // Sets the variable to `value`, or unsets it when `value` is empty (no optional value).
    ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Apply(value);
    }
    ~ScopedEnv() { Apply(m_old); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(m_name.c_str());
        }
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

class ScopedCurrentDirectory {
  public:
    // Changes to a host directory; ok() tells whether that worked.
    explicit ScopedCurrentDirectory(const std::string& directory) {
        std::vector<char> buffer(4096);
        if (getcwd(buffer.data(), buffer.size()) != nullptr) {
            m_old = buffer.data();
        }
        m_bOk = !m_old.empty() && chdir(directory.c_str()) == 0;
    }
    ~ScopedCurrentDirectory() {
        if (m_bOk && chdir(m_old.c_str()) != 0) {
            std::abort();  // the other tests would run in the wrong directory
        }
    }
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;
    bool ok() const { return m_bOk; }

  private:
    std::string m_old;
    bool m_bOk = false;
};

}  // namespace tolvane
