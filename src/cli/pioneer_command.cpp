// `zelvo-cli pioneer FOLDER --id N --month M (--aux | --regular | --special | --none)`: the
// pioneer code of a publisher's month M (1-12, the latest such month up to the report month) set
// as the monthly pioneer lists set it: taken off the list the person is on, then put on the new
// one. Then saved; a refusal exits kExitRefused with the reason.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/commands.h"
#include "records/pioneer_lists_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using records::PioneerListsModel;
using records::PioneerMode;

struct PioneerRequest {
    int id = 0;
    int month = 0;  // 1-12
    int code = -1;
};

std::optional<PioneerRequest> parseRequest(const std::vector<std::string>& args) {
    PioneerRequest r;
    bool ok = args.size() == 5;
    for (std::size_t i = 0; ok && i < args.size(); ++i) {
        const std::string& a = args[i];
        const int code = a == "--none"      ? 0
                         : a == "--aux"     ? 1
                         : a == "--regular" ? 2
                         : a == "--special" ? 3
                                            : -1;
        if (code >= 0 && r.code < 0) {
            r.code = code;
        } else if ((a == "--id" || a == "--month") && i + 1 < args.size()) {
            const auto n = parseNumber(args[++i]);
            ok = n.has_value();
            (a == "--id" ? r.id : r.month) = n.value_or(0);
        } else {
            ok = false;
        }
    }
    if (!ok || r.id <= 0 || r.month < 1 || r.month > 12 || r.code < 0) return std::nullopt;
    return r;
}

// The lists of `code` opened on the month; false when they do not show it.
bool openOn(PioneerListsModel& lists, int year, int month) {
    lists.setYear(year);
    lists.setMonth(month);
    return lists.year() == year && lists.month() == month;
}

int changePioneer(CZelvoDoc& doc, std::ostream& e, const PioneerRequest& r) {
    const auto refuse = [&e](std::string_view why) {
        e << why << "\n";
        return int{kExitRefused};
    };
    const auto row = doc.findById(r.id);
    if (!row) return refuse(res::kNoSuchPerson);
    const PublisherRecord& person = doc.publishers[static_cast<std::size_t>(*row)];
    if (person.kind() != kPublisher) return refuse(res::kPrivilegesActiveOnly);
    const auto& cal = doc.calendar;
    const int month = r.month - 1;
    const int year = month <= cal.reportMonth ? cal.reportYear : (cal.reportYear + 99) % 100;
    const int was = person.pioneerKind(month, yearSlot(year));
    for (const auto& [code, adding] : {std::pair{was, false}, std::pair{r.code, true}}) {
        if (code == 0 || was == r.code) continue;
        PioneerListsModel lists(doc, static_cast<PioneerMode>(code));
        if (!openOn(lists, year, month))
            return refuse(res::format(res::kPioneerMonthOutside, std::to_string(r.month)));
        if (!(adding ? lists.add(*row) : lists.remove(*row))) return refuse(res::kNoSuchPerson);
    }
    return kExitOk;
}

}  // namespace

int commandPioneer(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o.rest);
    if (!request) {
        err << "Χρήση: pioneer ΦΑΚΕΛΟΣ --id N --month ΜΗΝΑΣ (--aux | --regular | --special | "
               "--none)\n";
        return kExitUsage;
    }
    return changeAndSave(o, out, err,
                         [&](CZelvoDoc& doc, CliPrompts&, std::ostream&, std::ostream& e) {
                             return changePioneer(doc, e, *request);
                         });
}

}  // namespace zelvo::cli
