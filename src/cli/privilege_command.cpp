// `zelvo-cli privilege FOLDER --id N (--set CODE [--from DATE] | --end CODE --on DATE)`: a
// privilege or pioneer appointment ticked (with its start date) or ended on a date, through the
// privileges dialog's rules and the details dialog's store, then saved. CODE is the appointment
// kind 1-5 or its name; DATE is YYYY-MM-DD. A refusal exits kExitRefused with the reason.
#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "records/privileges_model.h"
#include "records/publisher_details_model.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using records::PrivilegesModel;
using Part = PrivilegesModel::DatePart;

struct PrivilegeRequest {
    int id = 0;
    bool set = false;
    int row = -1;
    std::optional<Date> date;
};

std::optional<int> rowOfCode(const std::string& code) {
    static constexpr std::array<std::string_view, records::kPrivilegeRows> kNames = {
        "servant", "elder", "regular", "continuous-aux", "special"};
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (code == kNames[i] || code == std::to_string(i + 1)) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<Date> parseDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto y = parseNumber(text.substr(0, 4));
    const auto m = parseNumber(text.substr(5, 2));
    const auto d = parseNumber(text.substr(8, 2));
    if (!y || !m || !d || *y < 1 || *m < 1 || *m > 12 || *d < 1 || *d > 31) return std::nullopt;
    return Date{*y, *m, *d};
}

std::optional<PrivilegeRequest> parseRequest(const std::vector<std::string>& args) {
    PrivilegeRequest r;
    bool ok = args.size() % 2 == 0;
    std::string dateOption;
    for (std::size_t i = 0; ok && i < args.size(); i += 2) {
        const std::string& value = args[i + 1];
        if (args[i] == "--id") {
            ok = parseNumber(value).has_value();
            r.id = ok ? *parseNumber(value) : 0;
        } else if ((args[i] == "--set" || args[i] == "--end") && r.row < 0) {
            r.set = args[i] == "--set";
            const auto row = rowOfCode(value);
            ok = row.has_value();
            r.row = row.value_or(-1);
        } else if ((args[i] == "--from" || args[i] == "--on") && dateOption.empty()) {
            dateOption = args[i];
            r.date = parseDate(value);
            ok = r.date.has_value();
        } else {
            ok = false;
        }
    }
    // A start goes with --set, an end (always needed) with --end.
    const bool dateFits = r.set ? dateOption != "--on" : dateOption == "--on";
    if (!ok || r.id <= 0 || r.row < 0 || !dateFits) return std::nullopt;
    return r;
}

void setDate(PrivilegesModel& m, bool start, int row, const Date& d) {
    const auto set = [&](Part part, int value) {
        start ? m.setStart(row, part, value) : m.setEnd(row, part, value);
    };
    set(Part::Month, d.month);
    set(Part::Day, d.day);
    set(Part::Year, d.year);
}

// The privileges dialog opened from the details dialog, the change made, OK in both.
int changePrivilege(CZelvoDoc& doc, CliPrompts& prompts, std::ostream& e, const PrivilegeRequest& r,
                    int currentYear) {
    const auto refuse = [&e](std::string_view why) {
        e << why << "\n";
        return int{kExitRefused};
    };
    const auto row = doc.findById(r.id);
    if (!row) return refuse(res::kNoSuchPerson);
    if (doc.publishers[static_cast<std::size_t>(*row)].kind() != kPublisher)
        return refuse(res::kPrivilegesActiveOnly);
    records::DetailsClipboard clipboard;
    records::PublisherDetailsModel details(doc, prompts, clipboard,
                                           records::PublisherDetailsModel::Variant::Publisher,
                                           {r.id}, r.id, currentYear);
    if (!details.privilegesVisible()) return refuse(res::kPrivilegesNeedBaptism);
    PrivilegesModel model(doc, static_cast<std::uint16_t>(r.id),
                          cp1253::toUtf8(doc.displayName(*row)), details.male(),
                          details.privilegeTicks(), currentYear);
    if (!model.rowEnabled(r.row)) return refuse(res::kPrivilegeMenOnly);
    model.setTicked(r.row, r.set);
    if (!r.set && !model.endVisible(r.row)) return refuse(res::kPrivilegeEndNeedsStart);
    if (r.date) {
        setDate(model, r.set, r.row, *r.date);
        const records::DateLists& d = r.set ? model.start(r.row) : model.end(r.row);
        if (!d.possible())
            return refuse(res::format(res::kPrivilegeImpossibleDate, d.impossibility()));
    }
    const auto accepted = model.accept();
    if (accepted.problem) return refuse(*accepted.problem);
    details.takePrivileges(accepted.ticks);
    using Outcome = records::PublisherDetailsModel::StoreOutcome;
    return details.store() == Outcome::Stored ? int{kExitOk} : int{kExitRefused};
}

}  // namespace

int commandPrivilege(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o.rest);
    if (!request) {
        err << "Χρήση: privilege ΦΑΚΕΛΟΣ --id N (--set ΚΩΔΙΚΟΣ [--from ΕΕΕΕ-ΜΜ-ΗΗ] | --end "
               "ΚΩΔΙΚΟΣ --on ΕΕΕΕ-ΜΜ-ΗΗ)\n"
               "  ΚΩΔΙΚΟΣ: 1 servant, 2 elder, 3 regular, 4 continuous-aux, 5 special\n";
        return kExitUsage;
    }
    const int currentYear = todayOf(o).year;
    return changeAndSave(o, out, err,
                         [&](CZelvoDoc& doc, CliPrompts& prompts, std::ostream&, std::ostream& e) {
                             return changePrivilege(doc, prompts, e, *request, currentYear);
                         });
}

}  // namespace zelvo::cli
