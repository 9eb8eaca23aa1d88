#pragma once

// A store of its own for each test. On Linux the hive goes to a fresh
// temporary folder through XDG_CONFIG_HOME, never the user's own; on Windows
// the test's keys are cleared from the registry of the test prefix.

#include "platform/registry/rekisteri.h"

#ifdef _WIN32

class Testipesa {
  public:
    Testipesa() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Relvano"); }
    Testipesa(const Testipesa&) = delete;
    Testipesa& operator=(const Testipesa&) = delete;
};

#else

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class Testipesa {
  public:
    Testipesa() {
        std::string malli = (std::filesystem::temp_directory_path() / "morvak-XXXXXX").string();
        kansio_ = mkdtemp(malli.data());
        if (const char* vanha = std::getenv("XDG_CONFIG_HOME")) vanha_ = vanha;
        setenv("XDG_CONFIG_HOME", kansio_.c_str(), 1);
    }
    ~Testipesa() {
        if (vanha_) {
            setenv("XDG_CONFIG_HOME", vanha_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        std::error_code ohita;
        std::filesystem::remove_all(kansio_, ohita);
    }
    Testipesa(const Testipesa&) = delete;
    Testipesa& operator=(const Testipesa&) = delete;

    const std::filesystem::path& Kansio() const { return kansio_; }
    std::filesystem::path Tiedosto() const { return kansio_ / "morvak" / "registry.db"; }

  private:
    std::filesystem::path kansio_;
    std::optional<std::string> vanha_;
};

#endif
