// The number rules on any text: no crash and no undefined behaviour, and the formats keep
// their promises: a text that reads as a number comes out of either format as a number
// again, with the same whole part when whole; any other text comes out as it went in.
#include "FuzzTarget.h"
#include "core/Failure.h"
#include "core/Numbers.h"

#include <cstdint>
#include <cstdlib>

using namespace cw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // A field's bytes read as the same bytes read as text do.
    const int field = int(std::min<size_t>(size, 64));
    const auto bytes = reinterpret_cast<const char*>(data);
    double fromBytes = 0, fromText = 0;
    bool bytesFail = false, textFail = false;
    try {
        fromBytes = leadingNumber(bytes, field);
    } catch (const Failure&) {
        bytesFail = true;
    }
    try {
        fromText = leadingNumber(QString::fromLatin1(bytes, field));
    } catch (const Failure&) {
        textFail = true;
    }
    if (bytesFail != textFail || (!bytesFail && !(fromBytes == fromText))) abort();
    try {
        toInteger(leadingNumber(text));
    } catch (const Failure&) { // an overflow, reported as such
    }
    const QString whole = formatWhole(text), fixed = formatFixed(text);
    if (!readsAsNumber(text)) {
        if (whole != text || fixed != text) abort();
    } else if (!readsAsNumber(fixed) || (!whole.isEmpty() && !readsAsNumber(whole))) {
        abort();
    }
    try {
        Money::fromDouble(leadingNumber(text)).toFixed();
    } catch (const Failure&) {
    }
    return 0;
}
