// `zelvo-cli enter FOLDER --id N [--month M] [--hours H] [--studies S] [--placements P]
// [--videos V] [--return-visits R] [--participated] [--aux] [--remark TEXT]`: one publisher's
// report typed into the report form and confirmed with OK, then saved. A field the form does not
// show for that person and month is a usage error; a value the form refuses, an unknown id or a
// collection that is not open exits kExitRefused and writes nothing.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "reporting/report_form_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using reporting::FormField;
using reporting::ReportFormModel;

struct Typed {
    std::string option;
    FormField field;
    std::string value;
};

struct EnterRequest {
    int id = 0;
    int month = 0;  // 1-12, 0 for the report month
    bool participated = false;
    bool auxiliary = false;
    std::optional<std::string> remark;
    std::vector<Typed> counts;  // in the order typed; the hours first
};

constexpr std::pair<std::string_view, FormField> kCountOptions[] = {
    {"--hours", FormField::Hours},
    {"--studies", FormField::Studies},
    {"--placements", FormField::Placements},
    {"--videos", FormField::Videos},
    {"--return-visits", FormField::ReturnVisits},
};

bool typeable(const std::string& value) {
    return !value.empty() && value.find_first_not_of("0123456789.") == std::string::npos;
}

std::optional<EnterRequest> parseRequest(const std::vector<std::string>& args, std::ostream& err) {
    EnterRequest request;
    bool haveId = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        std::optional<FormField> count;
        for (const auto& [name, field] : kCountOptions)
            if (a == name) count = field;
        if (a == "--participated") {
            request.participated = true;
        } else if (a == "--aux") {
            request.auxiliary = true;
        } else if (a == "--remark" && hasValue) {
            request.remark = args[++i];
        } else if ((a == "--id" || a == "--month") && hasValue) {
            const auto n = parseNumber(args[++i]);
            const bool valid = n && (a == "--id" ? *n > 0 : *n >= 1 && *n <= 12);
            if (!valid) {
                err << "Μη έγκυρη τιμή για " << a << ": " << args[i] << "\n";
                return std::nullopt;
            }
            (a == "--id" ? request.id : request.month) = *n;
            haveId = haveId || a == "--id";
        } else if (count && hasValue && typeable(args[i + 1])) {
            Typed typed{a, *count, args[++i]};
            // The hours go in first: leaving them recomputes the credit before the rest.
            if (*count == FormField::Hours)
                request.counts.insert(request.counts.begin(), typed);
            else
                request.counts.push_back(typed);
        } else {
            err << "Άγνωστο ή ελλιπές όρισμα: " << a << "\n";
            return std::nullopt;
        }
    }
    if (!haveId) {
        err << "Χρήση: enter ΦΑΚΕΛΟΣ --id N [--month M] [--hours H] [--studies S] "
               "[--placements P] [--videos V] [--return-visits R] [--participated] [--aux] "
               "[--remark ΚΕΙΜΕΝΟ]\n";
        return std::nullopt;
    }
    return request;
}

// Fills the form as the request types it; kExitOk, or kExitUsage after naming a field the form
// does not show.
int fillForm(ReportFormModel& form, const EnterRequest& request, std::ostream& err) {
    const auto shown = [&](FormField field, std::string_view option) {
        if (form.visible(field)) return true;
        err << res::format(res::kFieldNotShown, option) << "\n";
        return false;
    };
    if (request.month != 0) {
        form.showMonthList();
        form.chooseMonth(request.month - 1);
        form.closeMonthList();
    }
    if (request.auxiliary) {
        if (!shown(FormField::Auxiliary, "--aux")) return kExitUsage;
        form.setAuxiliary(true);
    }
    // On the new report form the tick opens the hours and the studies; on the old one it is the
    // under-one-hour mark, shown only while the hours are 0.
    const FormField tick = form.newForm() ? FormField::Participated : FormField::UnderOneHour;
    if (request.participated && form.newForm()) form.setParticipated(true);
    for (const Typed& t : request.counts) {
        if (!shown(t.field, t.option)) return kExitUsage;
        form.type(t.field, t.value);
        if (t.field == FormField::Hours) form.leaveHours();
    }
    if (request.participated && !form.newForm()) {
        if (!shown(tick, "--participated")) return kExitUsage;
        form.setUnderOneHour(true);
    }
    if (request.remark) {
        form.openRemark();
        form.leaveRemark(*request.remark);
    }
    return kExitOk;
}

}  // namespace

int commandEnter(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o.rest, err);
    if (!request) return kExitUsage;
    return changeAndSave(
        o, out, err, [&](CZelvoDoc& doc, CliPrompts& prompts, std::ostream&, std::ostream& e) {
            const CalendarState& cal = doc.calendar;
            if (doc.header().collectionState(cal.reportMonth) != 1) {
                e << res::format(res::kCollectionNotOpen, res::monthNameAccusative(cal.reportMonth))
                  << "\n";
                return int{kExitRefused};
            }
            const auto row = doc.findById(request->id);
            if (!row || doc.publishers[static_cast<std::size_t>(*row)].kind() != kPublisher) {
                e << res::kNoSuchPerson << "\n";
                return int{kExitRefused};
            }
            ReportFormModel form(doc, *row, prompts);
            if (const int code = fillForm(form, *request, e); code != kExitOk) return code;
            if (const auto refusal = form.accept()) {
                e << refusal->message << "\n";
                return int{kExitRefused};
            }
            return int{kExitOk};
        });
}

}  // namespace zelvo::cli
