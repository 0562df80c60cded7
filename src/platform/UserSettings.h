#pragma once
// The program's settings, each key and its default written once. Every value is text, stored
// and read back as it stands (the settings file may have been written by hand).
#include "core/Context.h"

#include <QString>

namespace cw {

class UserSettings {
public:
    explicit UserSettings(const Context& ctx);

    // The shopping list's sort order as its label shows it ("sort").
    QString sortOrder() const;
    void setSortOrder(const QString& caption);
    // The folder the export was last written to ("exportdirectory"); at first the documents
    // folder.
    QString exportDirectory() const;
    void setExportDirectory(const QString& directory);
    // The folder a checklist was last saved in ("checklistdirectory"); at first the documents
    // folder.
    QString checklistDirectory() const;
    void setChecklistDirectory(const QString& directory);
    // How the item editor converts the case of text: "Proper", "Upper" or "None" ("convert").
    QString textCase() const;
    void setTextCase(const QString& option);
    // The printout's lines per page ("maxlines") and font size in points ("fontsize").
    QString maxLines() const;
    void setMaxLines(const QString& lines);
    QString fontSize() const;
    void setFontSize(const QString& points);

private:
    const Context& m_ctx;
};

} // namespace cw
