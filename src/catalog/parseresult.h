// What a reader of a reference file hands back: the complete contents, or why there are none.
#pragma once

#include <cstdint>
#include <string>

#include "app/errorreporter.h"
#include "app/recordcodec.h"

namespace fpw::catalog {

enum class ParseStatus {
    Ok,
    Damaged,      // wrong header, a record count the file cannot hold, inconsistent data
    WrongVersion, // the header matched but the version did not
    ReadFailure,  // the file ends inside its records or a record cannot be read
};

// `value` is filled only when `status` is Ok; a reader never hands over half a file.
template <typename T> struct ParseResult {
    ParseStatus status = ParseStatus::Ok;
    T value{};
    // Damaged and WrongVersion: the text the loader shows.
    std::string message;
    // WrongVersion: the version found in the file.
    std::int16_t version = 0;
    // ReadFailure: what goes to the error reporter.
    app::Failure failure;

    bool ok() const { return status == ParseStatus::Ok; }

    // The file ended inside its records: nothing is handed over.
    void setInputPastEnd() {
        status = ParseStatus::ReadFailure;
        value = T{};
        failure =
            app::Failure{app::failure::kInputPastEndOfFile, std::string(app::kInputPastEndText)};
    }
};

} // namespace fpw::catalog
