#pragma once
// What every window, command and store object gets from its surroundings: the platform seams,
// the data directory and the shared error reporter. One Context serves the whole program;
// tests build their own with fakes. The seams other than the boxes are declared in platform/;
// the context only carries them.
#include <QString>
#include <memory>

namespace cw {

class Prompts;
class Settings;
class ProgramEnd;
class Registry;
class Launcher;
class LinePrinter;
class BusyIndicator;
class ErrorReporter;
class ChangeJournal;

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
    BusyIndicator* busy = nullptr;    // shows that long work runs; none needed
    ChangeJournal* journal = nullptr; // notes the user's changes to undo them; none kept

    QString dataDir;      // the program's data directory, without trailing "/"
    QString documentsDir; // the default export directory

    QString dataPath(QLatin1StringView fileName) const { return dataDir + '/' + fileName; }
    QString dataPath(const QString& fileName) const { return dataDir + '/' + fileName; }

    // The shared error reporter: made at its first use, released when the program ends.
    ErrorReporter& errorReporter();
    void releaseErrorReporter();

private:
    std::unique_ptr<ErrorReporter> m_error;
};

} // namespace cw
