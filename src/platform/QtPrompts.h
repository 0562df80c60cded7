#pragma once
// Message and input boxes on QMessageBox and QInputDialog, the save dialog on QFileDialog.
#include "core/Prompts.h"

namespace cw {

class QtPrompts : public Prompts {
public:
    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                      const QString& caption) override;
    QString input(const QString& prompt, const QString& caption,
                  const QString& defaultText) override;
    QString saveFile(const QString& caption, const QString& suggested, const QStringList& types,
                     QString& chosen) override;
};

} // namespace cw
