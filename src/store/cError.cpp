#include "cError.h"

#include "Context.h"
#include "Records.h"
#include "platform/Prompts.h"

namespace cw {

void cError::ShowIt() {
    m_ctx.prompts->message(QStringLiteral("An error has occured: \r\n") + strError + '.',
                           MsgButtons::Ok, MsgIcon::Information, QString());
}

Context::Context() = default;
Context::~Context() = default;

cError& Context::objError() {
    if (!m_error) m_error = std::make_unique<cError>(*this);
    return *m_error;
}

void Context::releaseObjError() {
    m_error.reset();
}

void Context::updatePaths() const {
    if (m_pathsFor == dataDir && !m_categoryFile.isEmpty()) return;
    m_pathsFor = dataDir;
    m_categoryFile = dataPath(QString::fromLatin1(kCategoryFileName));
    m_sourceItemFile = dataPath(QString::fromLatin1(kSourceItemFileName));
}

const QString& Context::categoryFile() const {
    updatePaths();
    return m_categoryFile;
}

const QString& Context::sourceItemFile() const {
    updatePaths();
    return m_sourceItemFile;
}

} // namespace cw
