#include "store/SortedList.h"

#include "core/Failure.h"

#include <algorithm>

namespace cw {

void SortedList::clear() {
    m_entries.clear();
    m_bytes.clear();
    m_sorted = 0;
}

void SortedList::addEntry(const QString& text, qint32 itemData) {
    m_entries.push_back(Entry{text, QString(), itemData, ++m_serial, false, -1, 0});
}

void SortedList::addInOrder(const QString& text, qint32 itemData) {
    const bool settled = m_sorted == m_entries.size();
    addEntry(text, itemData);
    if (settled) m_sorted = m_entries.size();
}

void SortedList::addInOrder(const char* cp1252, int size, qint32 itemData) {
    if (m_sorted != m_entries.size()) return addEntry(fromCp1252(cp1252, size), itemData);
    const auto at = static_cast<qint64>(m_bytes.size());
    m_bytes.append(cp1252, static_cast<std::size_t>(size));
    m_entries.push_back(Entry{QString(), QString(), itemData, ++m_serial, false, at, size});
    m_sorted = m_entries.size();
}

void SortedList::reserve(int entries, qint64 textBytes) {
    m_entries.reserve(m_entries.size() + static_cast<std::size_t>(entries));
    m_bytes.reserve(m_bytes.size() + static_cast<std::size_t>(textBytes));
}

QString SortedList::textOf(const Entry& e) const {
    return e.bytes < 0 ? e.text : fromCp1252(m_bytes.data() + e.bytes, e.size);
}

void SortedList::settle() const {
    if (m_sorted == m_entries.size()) return;
    for (Entry& e : m_entries) {
        if (e.keyed) continue;
        e.key = listSortKey(textOf(e));
        e.keyed = true;
    }
    auto less = [](const Entry& a, const Entry& b) { return a.key < b.key; };
    const auto mid = m_entries.begin() + static_cast<std::ptrdiff_t>(m_sorted);
    std::stable_sort(mid, m_entries.end(), less);
    std::inplace_merge(m_entries.begin(), mid, m_entries.end(), less);
    m_sorted = m_entries.size();
}

QString SortedList::text(int index) const {
    settle();
    if (index < 0 || index >= count()) throw Failure("Invalid property array index");
    return textOf(m_entries[static_cast<std::size_t>(index)]);
}

qint32 SortedList::itemData(int index) const {
    settle();
    if (index < 0 || index >= count()) throw Failure("Invalid property array index");
    return m_entries[static_cast<std::size_t>(index)].data;
}

void SortedList::removeAt(int index) {
    settle();
    if (index < 0 || index >= count()) throw Failure("Invalid property array index");
    m_entries.erase(m_entries.begin() + index);
    m_sorted = m_entries.size();
}

int SortedList::newIndex() const {
    settle();
    int best = -1;
    quint64 serial = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].serial > serial) serial = m_entries[i].serial, best = static_cast<int>(i);
    return best;
}

} // namespace cw
