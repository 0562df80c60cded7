#include "mainwindow/CartwiseApplication.h"

#include "core/Version.h"
#include "widgets/Guard.h"
#include "widgets/WindowPlacement.h"

#include <cstdio>

namespace cw {

CartwiseApplication::CartwiseApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromLatin1(kAppTitle));
    setOrganizationName(QString::fromLatin1(kAppTitle));
    setApplicationVersion(QString::fromLatin1(kVersion));
    setFont(uiFont());
}

bool CartwiseApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString description = describe(std::current_exception());
        if (m_ctx)
            endAfterFailure(*m_ctx, description);
        else
            std::fprintf(stderr, "Cartwise: %s\n", description.toLocal8Bit().constData());
    }
    return false;
}

} // namespace cw
