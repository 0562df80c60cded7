#include "store/SortedList.h"

#include "core/Failure.h"

#include <algorithm>

namespace cw {

void SortedList::clear() {
    m_entries.clear();
    m_sorted = 0;
}

void SortedList::addEntry(const QString& text, qint32 itemData) {
    m_entries.push_back(Entry{text, QString(), itemData, ++m_serial, false});
}

void SortedList::addInOrder(const QString& text, qint32 itemData) {
    const bool settled = m_sorted == m_entries.size();
    addEntry(text, itemData);
    if (settled) m_sorted = m_entries.size();
}

void SortedList::settle() const {
    if (m_sorted == m_entries.size()) return;
    for (Entry& e : m_entries) {
        if (e.keyed) continue;
        e.key = listSortKey(e.text);
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
    return m_entries[static_cast<std::size_t>(index)].text;
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
