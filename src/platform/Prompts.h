#pragma once
// The boxes the program shows to the user: messages, Yes/No questions and input boxes.
// The real implementation uses QMessageBox and QInputDialog; tests use a scripted fake.
#include <QString>

namespace cw {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows a modal message box; the caption is shown exactly as given (it may be empty).
    virtual MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& caption) = 0;
    // Shows a modal input box; returns the typed text, or an empty text on Cancel.
    virtual QString input(const QString& prompt, const QString& caption,
                          const QString& defaultText) = 0;
};

} // namespace cw
