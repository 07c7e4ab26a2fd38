// `zelvo-cli collection FOLDER CHOICE`: the command Δελτία Έργου as the program runs it, the
// start dialog answered with CHOICE (its confirmation with OK), the publisher list opened when it
// would open, and the list's close button for --close; then saved. A choice the dialogs do not
// offer exits kExitRefused with the reason and writes nothing.
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "reporting/collection_command.h"
#include "reporting/publisher_list_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using reporting::CollectionStartModel;

enum class Choice { Continue, Initialize, Early, Close };

std::optional<Choice> parseChoice(const std::vector<std::string>& args) {
    if (args.size() != 1) return std::nullopt;
    const std::string& a = args[0];
    if (a == "--continue") return Choice::Continue;
    if (a == "--initialize") return Choice::Initialize;
    if (a == "--early") return Choice::Early;
    if (a == "--close") return Choice::Close;
    return std::nullopt;
}

std::string monthText(std::string_view pattern, int month) {
    return res::format(pattern, res::monthNameAccusative(month));
}

// The reason the dialog or the list does not offer `choice`; nothing when it does.
std::optional<std::string> refusalOf(const CZelvoDoc& doc, Choice choice) {
    const int month = doc.calendar.reportMonth;
    const bool open = reporting::collectionOpen(doc);
    if (choice == Choice::Close)
        return open ? std::nullopt
                    : std::optional<std::string>(monthText(res::kCollectionNotOpen, month));
    if (open) {
        if (choice == Choice::Initialize) return monthText(res::kInitializeWhileOpen, month);
        if (choice == Choice::Early) return std::string(res::kEarlyNotOffered);
        return std::nullopt;
    }
    const CollectionStartModel model(doc);
    if (choice == Choice::Continue && !model.continueVisible())
        return monthText(res::kContinueNotOffered, month);
    if (choice == Choice::Early && !model.earlyVisible()) return std::string(res::kEarlyNotOffered);
    return std::nullopt;
}

CollectionStartModel::Button buttonOf(Choice choice) {
    switch (choice) {
        case Choice::Initialize:
            return CollectionStartModel::Button::Initialize;
        case Choice::Early:
            return CollectionStartModel::Button::EarlyNextMonth;
        default:
            return CollectionStartModel::Button::Continue;
    }
}

}  // namespace

int commandCollection(const Options& o, std::ostream& out, std::ostream& err) {
    const auto choice = parseChoice(o.rest);
    if (!choice) {
        err << "Χρήση: collection ΦΑΚΕΛΟΣ (--continue | --initialize | --early | --close)\n";
        return kExitUsage;
    }
    const Date today = todayOf(o);
    return changeAndSave(
        o, out, err, [&](CZelvoDoc& doc, CliPrompts& prompts, std::ostream& o2, std::ostream& e) {
            if (const auto refusal = refusalOf(doc, *choice)) {
                e << *refusal << "\n";
                return int{kExitRefused};
            }
            const auto outcome = reporting::enterReports(
                doc, today, prompts,
                [&](const CollectionStartModel& model) { return model.press(buttonOf(*choice)); });
            if (outcome.refused) return int{kExitRefused};
            o2 << outcome.statusText << "\n";
            if (outcome.listOpens) {
                reporting::PublisherListModel list(doc);
                o2 << list.title() << "\n";
                if (*choice == Choice::Close) list.closeCollection();
            }
            return int{kExitOk};
        });
}

}  // namespace zelvo::cli
