// Where a batch run writes: standard output, a FIFO or device written straight into, or a
// regular file that appears whole under its name or not at all.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace emberlin::batch {

class OutputTarget {
  public:
    OutputTarget() = default;
    ~OutputTarget() { Discard(); }
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    // "" or "-" is `standardOutput`, and so is a path naming its file (/dev/stdout). A path
    // naming a FIFO, a terminal, a device or another open descriptor (/dev/fd/N) is opened
    // and written into; a symbolic link is followed and its target replaced; anything else
    // is written to a temporary file in the target's folder: an unnamed one (O_TMPFILE) when
    // `unnamedTemporary` and the file system allows it, else a named one removed on every
    // exit path but kill -9. An existing file keeps its permissions (and, for root, its
    // owner). False with the problem ("cannot write PATH: reason").
    bool Open(std::string_view path, std::FILE* standardOutput, std::string& problem,
              bool unnamedTemporary = true);
    std::FILE* File() const { return file_; }
    // "cannot write PATH: " + the text of `error` (an errno value).
    std::string Problem(int error) const;
    // Flushes and makes the output final; on failure the old file, if any, is untouched.
    bool Commit(std::string& problem);
    // Drops a temporary file, leaving the target as it was.
    void Discard();

  private:
    bool Wrap(int fd, std::string& problem);
    bool LinkIntoPlace(int fd);

    std::FILE* file_ = nullptr;
    bool ownsFile_ = false;
    std::string shownPath_;       // as the user gave it, for messages
    std::string finalPath_;       // a regular file's path, links resolved; empty otherwise
    std::string folder_;          // its folder
    std::string namedTemporary_;  // the named temporary file while it exists
};

}  // namespace emberlin::batch
