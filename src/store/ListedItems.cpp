#include "store/ListedItems.h"

#include "core/CodePage.h"
#include "core/Failure.h"
#include "store/RecordLayout.h"

namespace cw {
namespace {

using L = ItemLayout;
constexpr TextField kFieldsInOrder[] = {L::aisle, L::description, L::size, L::listQuantity,
                                        L::cost};

} // namespace

void ListedItems::clear() {
    m_entries.clear();
    m_bytes.clear();
}

void ListedItems::reserve(std::size_t items, std::size_t textBytes) {
    m_entries.reserve(items);
    m_bytes.reserve(textBytes);
}

void ListedItems::add(qint32 id, const char* record) {
    Entry e{id, L::categoryId(record), static_cast<quint32>(m_bytes.size()), {}};
    for (int f = 0; f < kFields; ++f) {
        const auto [bytes, size] = kFieldsInOrder[f].trimmedBytes(record);
        m_bytes.append(bytes, static_cast<std::size_t>(size));
        e.sizes[static_cast<std::size_t>(f)] = static_cast<quint8>(size);
    }
    m_entries.push_back(e);
}

void ListedItems::addBlank(qint32 id) {
    m_entries.push_back(Entry{id, 0, static_cast<quint32>(m_bytes.size()), {}});
}

void ListedItems::addCopy(const ListedItems& other, int index) {
    Entry e = other.m_entries[static_cast<std::size_t>(index)];
    std::size_t length = 0;
    for (const quint8 size : e.sizes)
        length += size;
    const std::size_t from = e.at;
    e.at = static_cast<quint32>(m_bytes.size());
    m_bytes.append(other.m_bytes, from, length);
    m_entries.push_back(e);
}

qint32 ListedItems::categoryId(int index) const {
    return m_entries[static_cast<std::size_t>(index)].categoryId;
}

std::pair<const char*, int> ListedItems::bytes(int index, Field field) const {
    const Entry& e = m_entries[static_cast<std::size_t>(index)];
    std::size_t at = e.at;
    const auto f = static_cast<std::size_t>(field);
    for (std::size_t k = 0; k < f; ++k)
        at += e.sizes[k];
    return {m_bytes.data() + at, e.sizes[f]};
}

QString ListedItems::text(int index, Field field) const {
    const auto [data, size] = bytes(index, field);
    return fromCp1252(data, size);
}

Money ListedItems::lineCost(int index) const {
    const auto [cost, costSize] = bytes(index, Field::Cost);
    const auto [quantity, quantitySize] = bytes(index, Field::ListQuantity);
    return Money::fromDouble(leadingNumber(cost, costSize) * leadingNumber(quantity, quantitySize));
}

std::optional<Money> ListedItems::total() const {
    try {
        Money sum;
        for (int i = 0; i < count(); ++i)
            sum += lineCost(i);
        return sum;
    } catch (const Failure&) {
        return std::nullopt;
    }
}

} // namespace cw
