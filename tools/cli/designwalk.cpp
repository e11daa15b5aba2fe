#include "designwalk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
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
    struct Entry {
        std::string name;
        unsigned char type;
    };

    void directory(const std::string& dir, const struct stat& status) {
        if (!visited_.emplace(status.st_dev, status.st_ino).second)
            return;
        std::vector<Entry> entries;
        if (const int error = list(dir, entries)) {
            fail(dir, error);
            return;
        }
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& x, const Entry& y) { return x.name < y.name; });
        const std::string prefix = dir.ends_with('/') ? dir : dir + '/';
        for (const Entry& entry : entries) {
            std::string path = prefix + entry.name;
            // A link is followed: to a directory it is walked, to a file it is read.
            if (entry.type == DT_DIR || entry.type == DT_LNK || entry.type == DT_UNKNOWN) {
                if (const auto sub = directoryStatus(path)) {
                    directory(path, *sub);
                    continue;
                }
            }
            if (isDesignFileName(entry.name))
                found_(WalkItem{std::move(path), std::nullopt});
        }
    }

    // The entries of `dir` but "." and ".."; returns the error number when it cannot be read.
    static int list(const std::string& dir, std::vector<Entry>& entries) {
        DIR* stream = ::opendir(dir.c_str());
        if (stream == nullptr)
            return errno;
        errno = 0;
        while (const dirent* entry = ::readdir(stream)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                entries.push_back(Entry{std::string(name), entry->d_type});
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
    constexpr std::string_view kExtension = ".FPM";
    if (name.size() < kExtension.size())
        return false;
    const std::string_view ext = name.substr(name.size() - kExtension.size());
    return std::equal(ext.begin(), ext.end(), kExtension.begin(), [](char c, char upper) {
        return std::toupper(static_cast<unsigned char>(c)) == upper;
    });
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
