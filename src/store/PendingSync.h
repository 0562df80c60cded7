#pragma once
// Records written whose sync to the disk still runs. The writer goes on with other work (the
// shopping list is read again while the disk makes a long command's writes durable) and then
// waits: the command is durable, and done, once wait() returns.
#include <future>

namespace cw {

class PendingSync {
public:
    PendingSync() = default;
    // The errno of the sync and close, 0 for success, once they are done.
    explicit PendingSync(std::future<int> result) : m_result(std::move(result)) {}
    PendingSync(PendingSync&&) = default;
    PendingSync& operator=(PendingSync&&) = delete;
    // Waits as well; a failure found then goes unreported, for another one is on its way.
    ~PendingSync();

    // Waits for the sync; throws Failure when it or the close failed.
    void wait();

private:
    std::future<int> m_result;
};

} // namespace cw
