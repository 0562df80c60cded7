#include "platform/UserSettings.h"

#include "platform/Settings.h"

namespace cw {
namespace {

const QString kSort = QStringLiteral("sort");
const QString kExportDirectory = QStringLiteral("exportdirectory");
const QString kChecklistDirectory = QStringLiteral("checklistdirectory");
const QString kConvert = QStringLiteral("convert");
const QString kMaxLines = QStringLiteral("maxlines");
const QString kFontSize = QStringLiteral("fontsize");

} // namespace

UserSettings::UserSettings(const Context& ctx) : m_ctx(ctx) {}

QString UserSettings::sortOrder() const {
    return m_ctx.settings->get(kSort, QStringLiteral("Sorted by Item"));
}

void UserSettings::setSortOrder(const QString& caption) {
    m_ctx.settings->save(kSort, caption);
}

QString UserSettings::exportDirectory() const {
    return m_ctx.settings->get(kExportDirectory, m_ctx.documentsDir);
}

void UserSettings::setExportDirectory(const QString& directory) {
    m_ctx.settings->save(kExportDirectory, directory);
}

QString UserSettings::checklistDirectory() const {
    return m_ctx.settings->get(kChecklistDirectory, m_ctx.documentsDir);
}

void UserSettings::setChecklistDirectory(const QString& directory) {
    m_ctx.settings->save(kChecklistDirectory, directory);
}

QString UserSettings::textCase() const {
    return m_ctx.settings->get(kConvert, QStringLiteral("proper"));
}

void UserSettings::setTextCase(const QString& option) {
    m_ctx.settings->save(kConvert, option);
}

QString UserSettings::maxLines() const {
    return m_ctx.settings->get(kMaxLines, QStringLiteral("50"));
}

void UserSettings::setMaxLines(const QString& lines) {
    m_ctx.settings->save(kMaxLines, lines);
}

QString UserSettings::fontSize() const {
    return m_ctx.settings->get(kFontSize, QStringLiteral("8"));
}

void UserSettings::setFontSize(const QString& points) {
    m_ctx.settings->save(kFontSize, points);
}

} // namespace cw
