#include "app/errorreporter.h"

#include "app/identity.h"
#include "app/log.h"
#include "app/userinteraction.h"

namespace fpw::app {

std::string errorReportText(std::string_view procedure, const Failure& failure) {
    std::string text = "A problem has occurred. Your application may now be unstable. Please "
                       "contact Quennard by sending email ";
    text += "to: ";
    text += kSupportAddress;
    text += ". Please include the following information:\r\n\r\n\tFunction: ";
    text += procedure;
    text += "\r\n\tError Number: " + std::to_string(failure.number);
    text += "\r\n\tError Description: " + failure.description;
    return text;
}

std::string ErrorReporter::report(std::string_view procedure, const Failure& failure, bool show,
                                  bool log) {
    std::string text = errorReportText(procedure, failure);
    if (show) {
        user_.message(text, "Error", MessageIcon::Critical);
    }
    if (log) {
        log_.write(text);
    }
    return text;
}

} // namespace fpw::app
