#pragma once
// The wait cursor over the program's windows while a long piece of work runs (a refill of a
// very long shopping list can take a second). Nested ones stack; each gives back what it set.
#include <QGuiApplication>

namespace cw {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace cw
