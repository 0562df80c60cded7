#include "commands/DataCommands.h"

#include "commands/EndProgram.h"
#include "commands/SupportContact.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "platform/Trash.h"
#include "store/CategoryStore.h"
#include "store/ChangeJournal.h"
#include "store/ItemStore.h"

#include <QCoreApplication>

namespace cw {
namespace {

QString firstQuestion() {
    return QCoreApplication::translate(
        "cw::DataCommands",
        "You can use this option to delete all data in the Cartwise files. This means all "
        "categories and all items will be permanently deleted. In essence, this means you will "
        "be starting from scratch.\r\n\r\nIf you choose this option, all data will be "
        "permanently deleted and the program will terminate. When you restart the program, "
        "there will be no categories and no data.\r\n\r\nDo you want to PERMANENTLY DELETE "
        "ALL YOUR DATA NOW ?");
}

QString secondQuestion() {
    return QCoreApplication::translate(
        "cw::DataCommands",
        "OK. I'll give you one more chance. Are you absolutely sure beyond all reasonable doubt "
        "that you want to delete all your data and terminate the program now ?");
}

// A question that cannot be asked counts as No: nothing is deleted unasked.
bool confirmed(Context& ctx, const QString& question) {
    MsgAnswer answer = MsgAnswer::No;
    skip([&] {
        answer = ctx.prompts->message(
            question, MsgButtons::YesNo, MsgIcon::None,
            QCoreApplication::translate("cw::DataCommands", "DELETE ALL DATA"));
    });
    return answer == MsgAnswer::Yes;
}

QString supportText() {
    using namespace support;
    return QCoreApplication::translate(
               "cw::DataCommands",
               "For technical support, please contact %1 of %2 by e-mail at %3.\r\n\r\nA "
               "telephone call is discouraged, but if you must, you can call %4 from %5. Please "
               "note that this is not a toll-free call.")
        .arg(QString::fromUtf8(kAuthor), QString::fromUtf8(kCompany), QString::fromUtf8(kEmail),
             QString::fromUtf8(kTelephone), callingHours());
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
                             QCoreApplication::translate("cw::DataCommands", "Tech Support"));
    });
}

} // namespace cw
