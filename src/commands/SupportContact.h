#pragma once
// Who answers questions about Cartwise. The help topics and the technical support notice
// both use these details; the calling hours are read in the user's language (callingHours()).
#include <QCoreApplication>
#include <QString>

namespace cw::support {

constexpr const char* kAuthor = "Pat Example";
constexpr const char* kCompany = "Example Software Works";
constexpr const char* kEmail = "support@example.com";
constexpr const char* kTelephone = "(555) 555-0142";
constexpr const char* kCallingHours =
    QT_TRANSLATE_NOOP("cw::support", "7:00 PM to 9:00 PM Eastern Time, Monday through Friday");

inline QString callingHours() {
    return QCoreApplication::translate("cw::support", kCallingHours);
}

} // namespace cw::support
