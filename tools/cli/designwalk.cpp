#include "designwalk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <set>
#include <system_error>
#include <utility>

#include "app/errorreporter.h"
#include "app/programcontext.h"

namespace fpw::cli {
namespace {

constexpr std::string_view kReadDirectoryProcedure = "ReadDirectory";

// A directory as the file system knows it, whatever path led there.
using DirectoryIdentity = std::pair<dev_t, ino_t>;

// The directory's status when `path` leads to one (following links), else nothing.
std::optional<struct stat> directoryStatus(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return std::nullopt;
    return status;
}

// The listing works on plain names with the type the directory itself records, so that most
// entries cost neither a path object nor a look-up of their own; only links and entries of
// unknown type are looked up.
class Walk {
public:
    Walk(app::ProgramContext& ctx, const WalkSink& found) : ctx_(ctx), found_(found) {}

    void argument(const std::string& arg) {
        if (const auto status = directoryStatus(arg))
            directory(arg, *status);
        else
            found_(WalkItem{arg, std::nullopt});
    }

private:
    // One entry of a listing. Its name lies in the listing's buffer of names; its first eight
    // bytes, read as a big-endian number (zeros past the end, which no name holds), order
    // entries as the bytes do, so that most comparisons of the sort are one of numbers.
    struct Entry {
        std::uint64_t head;
        std::size_t at;
        std::size_t length;
        unsigned char type;
    };

    // The entries of one directory, names in byte order.
    struct Listing {
        std::string names;
        std::vector<Entry> entries;

        std::string_view name(const Entry& entry) const {
            return std::string_view(names).substr(entry.at, entry.length);
        }
        void add(std::string_view name, unsigned char type) {
            unsigned char bytes[8] = {};
            std::memcpy(bytes, name.data(), std::min(name.size(), sizeof bytes));
            std::uint64_t head = 0;
            for (const unsigned char byte : bytes)
                head = head << 8 | byte;
            entries.push_back(Entry{head, names.size(), name.size(), type});
            names.append(name);
        }
        void sort() {
            std::sort(entries.begin(), entries.end(), [this](const Entry& x, const Entry& y) {
                return x.head != y.head ? x.head < y.head : name(x) < name(y);
            });
        }
    };

    void directory(const std::string& dir, const struct stat& status) {
        if (!visited_.emplace(status.st_dev, status.st_ino).second)
            return;
        Listing listing;
        if (const int error = list(dir, listing)) {
            fail(dir, error);
            return;
        }
        listing.sort();
        const std::string prefix = dir.ends_with('/') ? dir : dir + '/';
        for (const Entry& entry : listing.entries) {
            const std::string_view name = listing.name(entry);
            const bool mayBeDirectory =
                entry.type == DT_DIR || entry.type == DT_LNK || entry.type == DT_UNKNOWN;
            if (!mayBeDirectory && !isDesignFileName(name))
                continue;
            // Sized once: a path is longer than a string holds in place.
            std::string path;
            path.reserve(prefix.size() + name.size());
            path.append(prefix).append(name);
            // A link is followed: to a directory it is walked, to a file it is read.
            if (mayBeDirectory) {
                if (const auto sub = directoryStatus(path)) {
                    directory(path, *sub);
                    continue;
                }
                if (!isDesignFileName(name))
                    continue;
            }
            found_(WalkItem{std::move(path), std::nullopt});
        }
    }

    // The entries of `dir` but "." and ".."; returns the error number when it cannot be read.
    static int list(const std::string& dir, Listing& listing) {
        DIR* stream = ::opendir(dir.c_str());
        if (stream == nullptr)
            return errno;
        errno = 0;
        while (const dirent* entry = ::readdir(stream)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                listing.add(name, entry->d_type);
        }
        const int error = errno;
        ::closedir(stream);
        return error;
    }

    void fail(const std::string& dir, int error) {
        const app::Failure failure{app::failure::kPathFileAccessError,
                                   "Path/File access error (" +
                                       std::system_category().message(error) + ")"};
        found_(WalkItem{dir, ctx_.errors.report(kReadDirectoryProcedure, failure, false)});
    }

    app::ProgramContext& ctx_;
    const WalkSink& found_;
    std::set<DirectoryIdentity> visited_;
};

} // namespace

bool isDesignFileName(std::string_view name) {
    if (name.size() < 4)
        return false;
    const std::string_view ext = name.substr(name.size() - 4);
    // Setting bit 0x20 turns exactly the upper and the lower case of a letter into the lower
    // one, as the C locale folds case: this runs for every entry of every directory.
    const auto letter = [](char c, char lower) { return (c | 0x20) == lower; };
    return ext[0] == '.' && letter(ext[1], 'f') && letter(ext[2], 'p') && letter(ext[3], 'm');
}

void walkDesigns(app::ProgramContext& ctx, const std::vector<std::string>& args,
                 const WalkSink& found) {
    Walk walk(ctx, found);
    for (const std::string& arg : args)
        walk.argument(arg);
}

std::vector<WalkItem> walkDesigns(app::ProgramContext& ctx, const std::vector<std::string>& args) {
    std::vector<WalkItem> items;
    walkDesigns(ctx, args, [&](WalkItem item) { items.push_back(std::move(item)); });
    return items;
}

} // namespace fpw::cli
