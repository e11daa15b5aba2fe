// The file operations a document save is made of, and the reads of every file the program opens,
// behind one interface: a test can make any single write fail and watch what the save leaves
// behind, and the fuzz targets serve their input from memory through the readers' own paths.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace fpw::app {

class ReadBuffer;

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
    // The whole file, or nothing when it cannot be opened or read. The disk by default.
    virtual std::optional<std::string> read(const std::string& path);
    // The same into `buffer`, valid until its next use. The disk reads straight into it; a
    // layer that only overrides `read` is asked through that.
    virtual std::optional<std::string_view> readBuffered(const std::string& path,
                                                         ReadBuffer& buffer);
    // True when `path` names a regular file that can be opened for reading. The disk by default.
    virtual bool exists(const std::string& path);
};

// The real disk. Stateless, so every context may share it.
FileLayer& diskFileLayer();

} // namespace fpw::app
