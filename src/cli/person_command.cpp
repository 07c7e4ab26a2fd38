// `zelvo-cli person FOLDER --id N ACTION`: one move of a person between the lists, run as the
// list dialogs run it (the month chooser answered with MONTH and YEAR, confirmations with OK),
// then saved. A refused move exits kExitRefused and writes nothing.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/commands.h"
#include "records/person_lists.h"
#include "records/person_transitions.h"
#include "records/publisher_table.h"
#include "records/reactivation.h"
#include "reporting/month_chooser_model.h"
#include "resources/strings.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using reporting::MonthChooserModel;

struct PersonRequest {
    int id = 0;
    std::string action;  // without its leading "--"
    int month = 0;       // 0 when not given
    int year = 0;
    bool regular = false;  // --undo-move MONTH --regular: returned as a regular publisher
};

// How many numbers each action takes: at least, at most.
struct ActionShape {
    std::string_view name;
    std::size_t least, most;
};
constexpr ActionShape kActions[] = {
    {"to-inactive", 2, 2}, {"reactivate", 1, 1},       {"move", 1, 1},    {"undo-move", 0, 1},
    {"delete", 0, 0},      {"delete-temporary", 2, 2}, {"restore", 1, 1},
};

std::optional<PersonRequest> parseRequest(const std::vector<std::string>& args, std::ostream& err) {
    PersonRequest request;
    std::vector<int> numbers;
    bool haveId = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--id" && i + 1 < args.size()) {
            const auto id = parseNumber(args[++i]);
            if (!id || *id <= 0) {
                err << "Μη έγκυρος αριθμός για --id: " << args[i] << "\n";
                return std::nullopt;
            }
            request.id = *id;
            haveId = true;
        } else if (a == "--regular") {
            request.regular = true;
        } else if (a.rfind("--", 0) == 0 && request.action.empty()) {
            request.action = a.substr(2);
        } else if (const auto n = parseNumber(a); n && !request.action.empty()) {
            numbers.push_back(*n);
        } else {
            err << "Άγνωστο όρισμα: " << a << "\n";
            return std::nullopt;
        }
    }
    const ActionShape* shape = nullptr;
    for (const ActionShape& s : kActions)
        if (s.name == request.action) shape = &s;
    if (!haveId || shape == nullptr || numbers.size() < shape->least ||
        numbers.size() > shape->most || (request.regular && request.action != "undo-move")) {
        err << "Χρήση: person ΦΑΚΕΛΟΣ --id N (--to-inactive ΜΗΝΑΣ ΕΤΟΣ | --reactivate ΜΗΝΑΣ | "
               "--move ΜΗΝΑΣ | --undo-move [ΜΗΝΑΣ [--regular]] | --delete | --delete-temporary "
               "ΜΗΝΑΣ ΕΤΟΣ | --restore ΜΗΝΑΣ)\n";
        return std::nullopt;
    }
    if (!numbers.empty()) request.month = numbers[0];
    if (numbers.size() > 1) request.year = numbers[1];
    // The temporary removal's month list has a blank entry (0); the month chooser has none.
    const int firstMonth = request.action == "delete-temporary" ? 0 : 1;
    if (!numbers.empty() && (request.month < firstMonth || request.month > 12)) {
        err << "Ο μήνας πρέπει να είναι από " << firstMonth << " έως 12.\n";
        return std::nullopt;
    }
    return request;
}

// The month chooser as the dialog answers it: the month, then the year scrolled to the top.
MonthChooserModel::Result chooseMonth(const CZelvoDoc& doc, std::string caption, int mode,
                                      const PersonRequest& request) {
    MonthChooserModel chooser(doc.calendar, doc.calendar.reportMonth, std::move(caption), mode);
    chooser.setMonthIndex(request.month - 1);
    if (mode == MonthChooserModel::kWithYear) chooser.setTopYear(request.year);
    chooser.setRegular(request.regular);
    return chooser.accept();
}

// The action on the loaded document: the refusal, or nothing once it ran.
records::Refusal runAction(CZelvoDoc& doc, int row, const PersonRequest& request, int currentYear) {
    using namespace records;
    const std::string& action = request.action;
    if (action == "to-inactive") {
        if (Refusal refusal = canMoveToInactive(doc, row)) return refusal;
        const auto chosen = chooseMonth(doc, monthQuestion(doc, row, res::kVerbBecameInactive),
                                        MonthChooserModel::kWithYear, request);
        moveToInactive(doc, row, chosen.month, chosen.year);
    } else if (action == "reactivate") {
        if (Refusal refusal = canReactivate(doc, row)) return refusal;
        const auto chosen = chooseMonth(doc, monthQuestion(doc, row, res::kVerbReactivated),
                                        MonthChooserModel::kMonthOnly, request);
        reactivatePublisher(doc, row, chosen.month - 1);
    } else if (action == "move") {
        if (Refusal refusal = canMoveAway(doc, row)) return refusal;
        const auto chosen = chooseMonth(doc, monthQuestion(doc, row, res::kVerbMoved),
                                        MonthChooserModel::kMonthOnly, request);
        moveAway(doc, row, chosen.month);
    } else if (action == "undo-move") {
        if (Refusal refusal = canUndoMove(doc, row)) return refusal;
        if (movedWhileInactive(doc.publishers[static_cast<std::size_t>(row)])) {
            undoMove(doc, row, 0, false);
            return std::nullopt;
        }
        if (request.month == 0) return std::string("Δώστε τον μήνα της επιστροφής.");
        const auto chosen = chooseMonth(doc, monthQuestion(doc, row, res::kVerbReturned),
                                        MonthChooserModel::kRegularTick, request);
        undoMove(doc, row, chosen.month, chosen.answer() == kMarkTransferred);
    } else if (action == "delete") {
        if (Refusal refusal = canDeletePermanently(doc, row)) return refusal;
        deletePerson(doc, row);
    } else if (action == "delete-temporary") {
        RemovalModel removal(doc, row, currentYear);
        if (request.year < 1950 || request.year > currentYear)
            return "Το έτος πρέπει να είναι από 1950 έως " + std::to_string(currentYear) + ".";
        removal.temporary = true;
        removal.monthEntry = request.month;
        removal.yearEntry = request.year - 1950;
        return removal.apply(doc);
    } else if (action == "restore") {
        if (Refusal refusal = canRestore(doc, row)) return refusal;
        const auto chosen =
            chooseMonth(doc, personName(doc, row), MonthChooserModel::kMonthOnly, request);
        restoreDeletedPublisher(doc, row, chosen.month - 1);
    }
    return std::nullopt;
}

}  // namespace

int commandPerson(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o.rest, err);
    if (!request) return kExitUsage;
    const int currentYear = todayOf(o).year;
    return changeAndSave(o, out, err,
                         [&](CZelvoDoc& doc, CliPrompts&, std::ostream&, std::ostream& e) {
                             const auto row = doc.findById(request->id);
                             const records::Refusal refusal =
                                 row ? runAction(doc, *row, *request, currentYear)
                                     : records::Refusal(std::string(res::kNoSuchPerson));
                             if (!refusal) return int{kExitOk};
                             e << *refusal << "\n";
                             return int{kExitRefused};
                         });
}

}  // namespace zelvo::cli
