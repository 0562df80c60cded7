#pragma once
// The shared error reporter: one message box per failure, in one fixed frame.
#include <QString>

namespace cw {

class Context;

class cError {
public:
    explicit cError(Context& ctx) : m_ctx(ctx) {}
    QString strError;
    // Shows "An error has occured: " CR LF strError "." with the information icon, one OK
    // button and an empty caption.
    void ShowIt();

private:
    Context& m_ctx;
};

} // namespace cw
