#include "store/FileMapping.h"

#include <csignal>
#include <cstdint>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace {

// The mappings open now: a scan can map a second file inside its own (the category names of
// the sort list by category). Used from the signal handler, so plain fixed storage.
constexpr int kMaxOpen = 8;
struct Range {
    std::uintptr_t begin, end;
};
Range g_open[kMaxOpen];
volatile std::sig_atomic_t g_openCount = 0;
std::uintptr_t g_pageSize = 4096;
struct sigaction g_previous {};
bool g_installed = false;

// SIGBUS inside an open mapping: the page is gone from the file; put a page of zeros in its
// place and let the read go on. Any other SIGBUS goes where it went before.
void onSigbus(int signal, siginfo_t* info, void* context) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (int i = 0; i < g_openCount; ++i) {
        if (address < g_open[i].begin || address >= g_open[i].end) continue;
        void* page = reinterpret_cast<void*>(address & ~(g_pageSize - 1));
        if (::mmap(page, g_pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
            MAP_FAILED)
            return;
    }
    if (g_previous.sa_flags & SA_SIGINFO) return g_previous.sa_sigaction(signal, info, context);
    if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN)
        return g_previous.sa_handler(signal);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void installHandler() {
    if (g_installed) return;
    g_installed = true;
    g_pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = onSigbus;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &g_previous);
}

} // namespace

FileMapping::FileMapping(int fd, qint64 offset, qint64 length) {
    struct stat st {};
    if (fd < 0 || length <= 0 || offset < 0 || g_openCount == kMaxOpen || ::fstat(fd, &st) != 0 ||
        !S_ISREG(st.st_mode))
        return;
    installHandler();
    const qint64 lead = offset % static_cast<qint64>(g_pageSize);
    void* data = ::mmap(nullptr, static_cast<std::size_t>(lead + length), PROT_READ,
                        MAP_SHARED | MAP_POPULATE, fd, offset - lead);
    if (data == MAP_FAILED) return;
    m_data = static_cast<char*>(data);
    m_lead = lead;
    m_length = lead + length;
    const auto begin = reinterpret_cast<std::uintptr_t>(m_data);
    g_open[g_openCount] = {begin, begin + static_cast<std::uintptr_t>(m_length)};
    g_openCount = g_openCount + 1;
}

FileMapping::~FileMapping() {
    if (!m_data) return;
    const auto begin = reinterpret_cast<std::uintptr_t>(m_data);
    for (int i = g_openCount - 1; i >= 0; --i) {
        if (g_open[i].begin != begin) continue;
        g_open[i] = g_open[g_openCount - 1];
        g_openCount = g_openCount - 1;
        break;
    }
    ::munmap(m_data, static_cast<std::size_t>(m_length));
}

} // namespace cw
