#pragma once
// What every window and store object needs from its surroundings: the platform seams, the
// data directory and the shared error reporter. One Context serves the whole program; tests
// build their own with fakes.
#include <QString>
#include <functional>
#include <memory>

namespace cw {

class Prompts;
class Settings;
class ProgramEnd;
class Registry;
class Launcher;
class LinePrinter;
class cError;

class Context {
public:
    Context();
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    Prompts* prompts = nullptr;
    Settings* settings = nullptr;
    ProgramEnd* programEnd = nullptr;
    Registry* registry = nullptr;
    Launcher* launcher = nullptr;
    LinePrinter* printer = nullptr;

    QString dataDir;      // the program's data directory, without trailing "/"
    QString documentsDir; // the default export directory
    QString appTitle = QStringLiteral("Cartwise");

    // True while the item editor window exists.
    bool blnItemFormLoaded = false;

    // The caption of the main window's sort label, which names the shopping list's order.
    std::function<QString()> sortCaption;

    QString dataPath(const QString& fileName) const { return dataDir + '/' + fileName; }
    // Full paths of the two record files (built once per data directory).
    const QString& categoryFile() const;
    const QString& sourceItemFile() const;

    // The shared error reporter objError: made at its first use, released by EndProgram.
    cError& objError();
    void releaseObjError();

private:
    std::unique_ptr<cError> m_error;
    mutable QString m_pathsFor, m_categoryFile, m_sourceItemFile;
    void updatePaths() const;
};

} // namespace cw
