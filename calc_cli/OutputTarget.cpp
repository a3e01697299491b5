#include "calc_cli/OutputTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace norvik {

namespace {

std::runtime_error failure(const std::string& what, const std::string& path) {
    return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

// The name the file is written under: hidden, beside the final one, so the rename stays on one
// file system and is atomic.
std::string temporaryPattern(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

// mkstemp makes a private file; the result should get the permissions any new file gets.
void giveUsualPermissions(int descriptor) {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
}

} // namespace

OutputTarget::OutputTarget(const std::string& path)
    : path_(path) {
    if (path_.empty()) {
        file_ = stdout;
        return;
    }
    std::string pattern = temporaryPattern(path_);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) {
        throw failure("出力ファイルを作れません / cannot create a file beside", path_);
    }
    temporaryPath_ = name.data();
    giveUsualPermissions(descriptor);
    file_ = fdopen(descriptor, "wb");
    if (file_ == nullptr) {
        close(descriptor);
        discard();
        throw failure("出力ファイルを開けません / cannot open", temporaryPath_);
    }
}

OutputTarget::~OutputTarget() {
    discard();
}

void OutputTarget::commit() {
    if (isStandardOutput()) {
        if (std::fflush(stdout) != 0) {
            throw failure("書き込めません / cannot write", "standard output");
        }
        return;
    }
    std::FILE* file = file_;
    file_ = nullptr;
    const bool written = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (std::fclose(file) != 0 || !written) {
        throw failure("書き込めません / cannot write", path_);
    }
    if (std::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
        throw failure("ファイル名を付けられません / cannot rename to", path_);
    }
    temporaryPath_.clear();
}

void OutputTarget::discard() {
    if (file_ != nullptr && file_ != stdout) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporaryPath_.empty()) {
        std::remove(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
}

} // namespace norvik
