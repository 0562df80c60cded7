#pragma once
// An in-memory sorted list, the hidden sort list of the shopping list. Entries added in a
// row are sorted once when the list is next read, so filling it costs n log n, not n^2.
#include "store/ListTarget.h"

#include <string>
#include <vector>

namespace cw {

class SortedList : public ListTarget {
public:
    void clear() override;
    void addEntry(const QString& text, qint32 itemData) override;
    void addInOrder(const QString& text, qint32 itemData) override;
    void addInOrder(const char* cp1252, int size, qint32 itemData) override;
    void reserve(int entries, qint64 textBytes) override;
    int count() const override { return static_cast<int>(m_entries.size()); }
    QString text(int index) const override;
    qint32 itemData(int index) const override;
    void removeAt(int index) override;
    // The index of the entry added last, or -1.
    int newIndex() const;

private:
    struct Entry {
        QString text;
        QString key; // made when the entry is first sorted among others
        qint32 data;
        quint64 serial;
        bool keyed;
        qint64 bytes; // where the text's bytes begin in m_bytes, when it was given as bytes
        int size;
    };
    QString textOf(const Entry& e) const;
    void settle() const;
    mutable std::vector<Entry> m_entries;
    std::string m_bytes;              // the texts given as bytes, decoded when read
    mutable std::size_t m_sorted = 0; // entries [0, m_sorted) are in order
    quint64 m_serial = 0;
};

} // namespace cw
