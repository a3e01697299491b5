#pragma once

#include <cstdio>
#include <string>

namespace norvik {

// Where results go: standard output, or a file that appears only when the run is good. The file
// is written under a temporary name in its own folder and renamed into place by `commit`; a run
// that ends without committing removes it, and an older file of that name stays as it was.
class OutputTarget {
public:
    // An empty path means standard output. Throws std::runtime_error when the temporary file
    // cannot be created.
    explicit OutputTarget(const std::string& path);
    ~OutputTarget();
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    std::FILE* file() const { return file_; }
    bool isStandardOutput() const { return path_.empty(); }
    // Flushes, and puts the file in place. Throws std::runtime_error when that fails.
    void commit();

private:
    void discard();

    std::string path_;
    std::string temporaryPath_;
    std::FILE* file_ = nullptr;
};

} // namespace norvik
