#include "app/readbuffer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace fpw::app {
namespace {

struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

} // namespace

std::optional<std::string_view> ReadBuffer::readWholeFile(const std::string& path) {
    // Opened without waiting: a pipe or a device is then refused at once by its type instead of
    // blocking until a writer comes. Reads from a regular file ignore the flag.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    // Room for one byte more than the size: a read that fills it all means the file grew
    // meanwhile and is read on; a shorter read is the end of a regular file, so a file whose
    // size holds costs one read.
    std::size_t size = 0;
    std::size_t room = static_cast<std::size_t>(status.st_size) + 1;
    for (;;) {
        reserve(room, size);
        const ssize_t got = ::read(file.fd, data_.get() + size, room - size);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        size += static_cast<std::size_t>(got);
        if (size < room) {
            return std::string_view(data_.get(), size);
        }
        room *= 2;
    }
}

std::string_view ReadBuffer::hold(std::string bytes) {
    held_ = std::move(bytes);
    return held_;
}

void ReadBuffer::reserve(std::size_t size, std::size_t keep) {
    if (size <= capacity_) {
        return;
    }
    const std::size_t capacity = std::max(size, 2 * capacity_);
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    if (keep > 0) {
        std::memcpy(data.get(), data_.get(), keep);
    }
    data_ = std::move(data);
    capacity_ = capacity;
}

} // namespace fpw::app
