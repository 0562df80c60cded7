#pragma once
// The application object. Its notify() is the backstop behind every handler's own guard: a
// failure that still reaches Qt's event loop ends the program as guarded() ends it.
#include <QApplication>

namespace cw {

class Context;

class CartwiseApplication : public QApplication {
public:
    CartwiseApplication(int& argc, char** argv);
    void setContext(Context* ctx) { m_ctx = ctx; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Context* m_ctx = nullptr;
};

} // namespace cw
