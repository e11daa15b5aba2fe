#include "catalog/credits.h"

#include "app/ansi.h"
#include "app/files.h"
#include "app/programcontext.h"
#include "app/textutil.h"

namespace fpw::catalog {

std::optional<std::vector<std::string>> parseCredits(std::string_view bytes) {
    const std::string utf8 = app::ansiToUtf8(bytes);
    const std::vector<std::string_view> lines = app::splitLines(utf8);
    if (lines.empty() || lines.front() != kCreditsHeader) {
        return std::nullopt;
    }
    std::vector<std::string> pages(1);
    std::string text;
    bool textHasLines = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == kCreditsPageMarker) {
            // The first page is filled in place; every later marker opens a page at the end,
            // even when no text came since the last one.
            if (!pages.front().empty()) {
                pages.emplace_back();
            }
            if (!text.empty()) {
                pages.back() = text;
            }
            text.clear();
            textHasLines = false;
        } else {
            if (textHasLines) {
                text += "\r\n";
            }
            text += lines[i];
            textHasLines = true;
        }
    }
    return pages;
}

std::string writeCredits(const std::vector<std::string>& pages) {
    std::string text(kCreditsHeader);
    text += "\r\n";
    for (const auto& page : pages) {
        if (!page.empty()) {
            text += page;
            text += "\r\n";
        }
        text += kCreditsPageMarker;
        text += "\r\n";
    }
    return app::utf8ToAnsi(text);
}

bool TLoadCredits(app::ProgramContext& ctx) {
    ctx.creditsLoaded = false;
    const std::string path = ctx.programFile(kCreditsFile);
    if (!ctx.files->exists(path)) {
        return false;
    }
    const auto bytes = ctx.files->read(path);
    if (!bytes) {
        ctx.errors.report("TLoadCredits", app::Failure{app::failure::kPathFileAccessError,
                                                       "Path/File access error"});
        return false;
    }
    auto pages = parseCredits(*bytes);
    if (!pages) {
        return false;
    }
    ctx.credits = std::move(*pages);
    ctx.creditsLoaded = true;
    return true;
}

} // namespace fpw::catalog
