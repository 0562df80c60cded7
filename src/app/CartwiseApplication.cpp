#include "CartwiseApplication.h"

#include "Guard.h"

#include <cstdio>

namespace cw {

CartwiseApplication::CartwiseApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Cartwise"));
    setOrganizationName(QStringLiteral("Cartwise"));
    setApplicationVersion(QStringLiteral("6.0.0"));
    setFont(uiFont());
}

QFont CartwiseApplication::uiFont() {
    // The window layouts were drawn for a small sans-serif face at 8 points; Liberation Sans
    // has the narrow metrics they need, any sans-serif face stands in where it is missing.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

bool CartwiseApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (m_ctx)
            endWithError(*m_ctx, QString::fromLocal8Bit(e.what()));
        else
            std::fprintf(stderr, "Cartwise: %s\n", e.what());
    } catch (...) {
        if (m_ctx) endWithError(*m_ctx, QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace cw
