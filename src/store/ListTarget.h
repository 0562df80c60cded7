#pragma once
// A list that the store fills: entries of visible text and a hidden 32-bit item data, kept
// in ascending order of their text without regard to case. An entry is placed after all
// entries that compare equal to it, so equal texts keep the order in which they were added.
#include "core/CodePage.h"

#include <QString>
#include <QtGlobal>

namespace cw {

class ListTarget {
public:
    virtual ~ListTarget() = default;
    virtual void clear() = 0;
    // Adds an entry in its sorted place and gives it the item data.
    virtual void addEntry(const QString& text, qint32 itemData) = 0;
    // Adds an entry that belongs after every entry in the list: a list fed in its own order
    // has nothing to sort.
    virtual void addInOrder(const QString& text, qint32 itemData) { addEntry(text, itemData); }
    // The same for a text given as its Windows-1252 bytes: a list that does not show its
    // entries may keep the bytes and decode them only when asked for them.
    virtual void addInOrder(const char* cp1252, int size, qint32 itemData) {
        addInOrder(fromCp1252(cp1252, size), itemData);
    }
    // Room for this many more entries and bytes of their texts, when known ahead.
    virtual void reserve(int /*entries*/, qint64 /*textBytes*/) {}
    virtual int count() const = 0;
    virtual QString text(int index) const = 0;
    virtual qint32 itemData(int index) const = 0;
    virtual void removeAt(int index) = 0;
};

// The comparison key of a list entry's text: letter case does not count.
inline QString listSortKey(const QString& text) {
    return text.toCaseFolded();
}

} // namespace cw
