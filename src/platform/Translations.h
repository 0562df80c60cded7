#pragma once
// The program's texts in the user's language: its own translation and Qt's (the buttons and
// standard dialogs Qt draws), chosen from the locale at start and installed for the life of
// this object. English, the language of the sources, needs none; a language without a
// translation stays English.
#include <QString>
#include <QTranslator>

class QCoreApplication;

namespace cw {

class Translations {
public:
    // Installed into the application, which must exist first and outlive this object.
    explicit Translations(QCoreApplication& app);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The folder the program's translations were found in, empty when none was.
    QString folder() const { return m_folder; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_folder;
};

} // namespace cw
