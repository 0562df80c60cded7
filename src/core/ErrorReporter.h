#pragma once
// The shared error reporter: one message box per failure, in one fixed frame.
#include <QString>

namespace cw {

class Context;

class ErrorReporter {
public:
    explicit ErrorReporter(Context& ctx) : m_ctx(ctx) {}
    // The text of the last report: the prefix and the failure's description.
    QString lastReport() const { return m_last; }
    // Shows "An error has occured: " CR LF text "." with the information icon, one OK button
    // and an empty caption.
    void show(const QString& text);

private:
    Context& m_ctx;
    QString m_last;
};

} // namespace cw
