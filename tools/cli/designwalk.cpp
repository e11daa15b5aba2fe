#include "designwalk.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <system_error>

#include "app/errorreporter.h"
#include "app/programcontext.h"

namespace fpw::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kReadDirectoryProcedure = "ReadDirectory";

// The last part of a path a directory listing gave (which never ends in a separator), without
// building a path object for it.
std::string_view fileName(std::string_view path) {
    return path.substr(path.rfind('/') + 1);
}

class Walk {
public:
    explicit Walk(app::ProgramContext& ctx) : ctx_(ctx) {}

    void argument(const std::string& arg) {
        std::error_code ec;
        if (fs::is_directory(arg, ec))
            directory(arg);
        else
            items_.push_back(WalkItem{arg, std::nullopt});
    }

    std::vector<WalkItem> take() { return std::move(items_); }

private:
    void directory(const fs::path& dir) {
        std::error_code ec;
        const fs::path identity = fs::canonical(dir, ec);
        if (ec) {
            fail(dir, ec);
            return;
        }
        if (!visited_.insert(identity).second)
            return;
        // The entries keep the type the listing gave, so only links cost a look-up.
        std::vector<fs::directory_entry> entries;
        fs::directory_iterator it(dir, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec))
            entries.push_back(*it);
        if (ec) {
            fail(dir, ec);
            return;
        }
        std::sort(entries.begin(), entries.end(),
                  [](const fs::directory_entry& x, const fs::directory_entry& y) {
                      return x.path().native() < y.path().native();
                  });
        for (const fs::directory_entry& entry : entries) {
            // A link is followed: to a directory it is walked, to a file it is read.
            if (entry.is_directory(ec))
                directory(entry.path());
            else if (isDesignFileName(fileName(entry.path().native())))
                items_.push_back(WalkItem{entry.path().native(), std::nullopt});
        }
    }

    void fail(const fs::path& dir, const std::error_code& ec) {
        const app::Failure failure{app::failure::kPathFileAccessError,
                                   "Path/File access error (" + ec.message() + ")"};
        items_.push_back(
            WalkItem{dir.string(), ctx_.errors.report(kReadDirectoryProcedure, failure, false)});
    }

    app::ProgramContext& ctx_;
    std::set<fs::path> visited_;
    std::vector<WalkItem> items_;
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

std::vector<WalkItem> walkDesigns(app::ProgramContext& ctx, const std::vector<std::string>& args) {
    Walk walk(ctx);
    for (const std::string& arg : args)
        walk.argument(arg);
    return walk.take();
}

} // namespace fpw::cli
