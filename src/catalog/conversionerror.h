// The failure a text-to-code conversion raises when it does not know the text; the calling
// procedure catches it and hands `failure()` to the error reporter.
#pragma once

#include <stdexcept>
#include <string>

#include "app/errorreporter.h"

namespace fpw::catalog {

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(int number = app::failure::kTypeMismatch,
                             const std::string& description = "Type mismatch")
        : std::runtime_error(description), number_(number) {}

    int number() const { return number_; }
    app::Failure failure() const { return app::Failure{number_, what()}; }

private:
    int number_;
};

} // namespace fpw::catalog
