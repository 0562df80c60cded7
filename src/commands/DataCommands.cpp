#include "commands/DataCommands.h"

#include "commands/EndProgram.h"
#include "commands/SupportContact.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "platform/Trash.h"
#include "store/CategoryStore.h"
#include "store/ChangeJournal.h"
#include "store/ItemStore.h"

namespace cw {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString firstQuestion() {
    return QStringLiteral("You can use this option to delete all data in") +
           QStringLiteral(" the Cartwise files. This means") +
           QStringLiteral(" all categories and all items will be permanently deleted.") +
           QStringLiteral(" In essence, this means you will be starting from scratch.") + kCrLf +
           kCrLf + QStringLiteral("If you choose this option, all data will be permanently") +
           QStringLiteral(" deleted and the program will terminate. When you restart") +
           QStringLiteral(" the program, there will be no categories and no data.") + kCrLf +
           kCrLf + QStringLiteral("Do you want to PERMANENTLY DELETE ALL YOUR DATA NOW ?");
}

QString secondQuestion() {
    return QStringLiteral("OK. I'll give you one more chance. Are you absolutely sure beyond") +
           QStringLiteral(" all reasonable doubt that you want to delete all your data") +
           QStringLiteral(" and terminate the program now ?");
}

// A question that cannot be asked counts as No: nothing is deleted unasked.
bool confirmed(Context& ctx, const QString& question) {
    MsgAnswer answer = MsgAnswer::No;
    skip([&] {
        answer = ctx.prompts->message(question, MsgButtons::YesNo, MsgIcon::None,
                                      QStringLiteral("DELETE ALL DATA"));
    });
    return answer == MsgAnswer::Yes;
}

QString supportText() {
    using namespace support;
    return QStringLiteral("For technical support, please contact %1 of %2 by e-mail at %3.")
               .arg(QString::fromUtf8(kAuthor), QString::fromUtf8(kCompany),
                    QString::fromUtf8(kEmail)) +
           kCrLf + kCrLf +
           QStringLiteral("A telephone call is discouraged, but if you must, you can call %1 "
                          "from %2. Please note that this is not a toll-free call.")
               .arg(QString::fromUtf8(kTelephone), QString::fromUtf8(kCallingHours));
}

} // namespace

void deleteAllData(Context& ctx) {
    if (!confirmed(ctx, firstQuestion())) return;
    if (!confirmed(ctx, secondQuestion())) return;
    skip([&] { discardFile(ItemStore(ctx).path()); });
    skip([&] { discardFile(CategoryStore(ctx).path()); });
    if (ctx.journal) ctx.journal->clear(); // its changes were to the files now gone
    skip([&] { endProgram(ctx); });
}

void showTechnicalSupport(Context& ctx) {
    skip([&] {
        ctx.prompts->message(supportText(), MsgButtons::Ok, MsgIcon::Information,
                             QStringLiteral("Tech Support"));
    });
}

} // namespace cw
