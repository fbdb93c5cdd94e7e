// A fresh empty directory made the current one for the life of the object,
// so that a test of the window reads and writes its own settings file.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

class TemporaryCurrentDirectory {
  public:
    TemporaryCurrentDirectory() {
        char previous[4096];
        if (getcwd(previous, sizeof previous) != nullptr) previous_ = previous;
        std::string pattern = ::testing::TempDir() + "combinix_XXXXXX";
        char* made = mkdtemp(&pattern[0]);
        if (made != nullptr) {
            path_ = made;
            if (chdir(made) != 0) path_.clear();
        }
    }
    ~TemporaryCurrentDirectory() {
        if (!previous_.empty() && chdir(previous_.c_str()) != 0) return;
        if (!path_.empty()) {
            std::string command = "rm -rf '" + path_ + "'";
            if (system(command.c_str()) != 0) return;
        }
    }
    const std::string& path() const { return path_; }

  private:
    std::string previous_;
    std::string path_;
};
