// The file operations a document save is made of, behind one interface so that a test can make
// any single one of them fail and watch what the save leaves behind.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace fpw::app {

// A file open for writing. Each call reports whether it went through.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(std::string_view bytes) = 0;
    // Pushes everything written to the disk, so the rename that follows never publishes a
    // file whose contents are still in flight.
    virtual bool flush() = 0;
    virtual bool close() = 0;
};

class FileLayer {
public:
    virtual ~FileLayer() = default;
    // Creates or truncates `path`; nothing when it cannot be opened.
    virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
    // Replaces `to` with `from` in one step; on failure fills `error`.
    virtual bool rename(const std::string& from, const std::string& to, std::string& error) = 0;
    // Removes a file, quietly: only used to clean up after a failure.
    virtual void remove(const std::string& path) = 0;
};

// The real disk. Stateless, so every context may share it.
FileLayer& diskFileLayer();

} // namespace fpw::app
