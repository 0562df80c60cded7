#pragma once
// A category of the catalogue: its ID (its record number in the category file) and its name.
#include <QString>

namespace cw {

struct Category {
    qint32 id = 0;
    QString name;
};

} // namespace cw
