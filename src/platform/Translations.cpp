#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace cw {
namespace {

// Where an installed program finds its translations (beside its share folder), then where the
// build put them, for a program run from its build folder.
QStringList translationFolders() {
    QStringList folders{QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../share/cartwise/translations"))};
#ifdef CARTWISE_BUILD_TRANSLATIONS
    folders << QStringLiteral(CARTWISE_BUILD_TRANSLATIONS);
#endif
    return folders;
}

} // namespace

Translations::Translations(QCoreApplication& /*app*/) {
    const QLocale locale;
    for (const QString& folder : translationFolders()) {
        if (m_own.load(locale, QStringLiteral("cartwise"), QStringLiteral("_"), folder)) {
            m_folder = folder;
            QCoreApplication::installTranslator(&m_own);
            break;
        }
    }
    // Qt's own texts only beside the program's, so that a window never mixes two languages.
    if (!m_folder.isEmpty() && m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}

} // namespace cw
