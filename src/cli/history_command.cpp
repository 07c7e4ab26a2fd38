// `zelvo-cli history FOLDER (--id N | --totals) --month M --year YYYY [--hours H] [--studies S]
// [--placements P] [--videos V] [--return-visits R] [--credit C] [--participated]
// [--pioneer CODE] [--late-mark 0|1] [--reports N] [--active N]`: the history editor's stored
// values of a past month set as the editor sets them, then saved. With --id a person's month
// (--participated is the month's took-part mark: under one hour on the old report form); with
// --totals the congregation's totals of the category --pioneer names (0 publishers, 1 auxiliary,
// 2 regular, 3 special pioneers; --reports the reports counted, --active the active publishers).
// A field the editor does not show is a usage error; a month the editor does not list, an
// unknown id or a late mark the month does not carry exits kExitRefused and writes nothing.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "reporting/history_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using reporting::HistoryField;
using reporting::HistoryModel;
using reporting::HistoryPreset;
using reporting::TotalsCategory;
using F = HistoryField;

constexpr std::string_view kUsage =
    "Χρήση: history ΦΑΚΕΛΟΣ (--id N | --totals) --month M --year ΕΕΕΕ [--hours H] [--studies S] "
    "[--placements P] [--videos V] [--return-visits R] [--credit C] [--participated] "
    "[--pioneer ΚΩΔΙΚΟΣ] [--late-mark 0|1] [--reports N] [--active N]\n";

constexpr std::pair<std::string_view, F> kFieldOptions[] = {
    {"--hours", F::Hours},
    {"--studies", F::Studies},
    {"--placements", F::Placements},
    {"--videos", F::Videos},
    {"--return-visits", F::ReturnVisits},
    {"--credit", F::Credit},
    {"--reports", F::Credit},
    {"--active", F::Credit},
};

struct Typed {
    std::string option;
    F field;
    std::string value;
};

struct HistoryRequest {
    int id = 0;
    bool totals = false;
    int month = 0;  // 1-12
    int year = 0;
    bool participated = false;
    int pioneer = -1;
    int lateMark = -1;
    std::vector<Typed> fields;
};

bool typeable(const std::string& value) {
    return !value.empty() && value.find_first_not_of("0123456789.") == std::string::npos;
}

std::optional<HistoryRequest> parseRequest(const std::vector<std::string>& args) {
    HistoryRequest r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const auto field = std::find_if(std::begin(kFieldOptions), std::end(kFieldOptions),
                                        [&](const auto& o) { return o.first == a; });
        if (a == "--participated") {
            r.participated = true;
        } else if (a == "--totals") {
            r.totals = true;
        } else if (field != std::end(kFieldOptions) && hasValue && typeable(args[i + 1])) {
            r.fields.push_back({a, field->second, args[++i]});
        } else if ((a == "--id" || a == "--month" || a == "--year" || a == "--pioneer" ||
                    a == "--late-mark") &&
                   hasValue) {
            const auto n = parseNumber(args[++i]);
            if (!n) return std::nullopt;
            int& target = a == "--id"        ? r.id
                          : a == "--month"   ? r.month
                          : a == "--year"    ? r.year
                          : a == "--pioneer" ? r.pioneer
                                             : r.lateMark;
            target = *n;
        } else {
            return std::nullopt;
        }
    }
    const bool valid = (r.id > 0) != r.totals && r.month >= 1 && r.month <= 12 && r.year > 0 &&
                       r.pioneer >= -1 && r.pioneer <= 3 && r.lateMark >= -1 && r.lateMark <= 1;
    if (!valid) return std::nullopt;
    return r;
}

// The editor on the request's person or category, or the exit code after saying why.
std::optional<HistoryPreset> presetOf(const CZelvoDoc& doc, const HistoryRequest& r,
                                      std::ostream& e) {
    if (doc.recordCount() < 2) {
        e << res::kHistoryNoPeople << "\n";
        return std::nullopt;
    }
    HistoryPreset preset;
    if (r.totals) {
        const bool active = std::any_of(r.fields.begin(), r.fields.end(),
                                        [](const Typed& t) { return t.option == "--active"; });
        preset.totals = active           ? TotalsCategory::Active
                        : r.pioneer <= 0 ? TotalsCategory::Publishers
                        : r.pioneer == 1 ? TotalsCategory::Auxiliary
                                         : TotalsCategory::Pioneers;
        return preset;
    }
    const auto row = doc.findById(r.id);
    const int kind = row ? doc.publishers[static_cast<std::size_t>(*row)].kind() : -1;
    if (kind != kPublisher && kind != kInactive) {
        e << res::kNoSuchPerson << "\n";
        return std::nullopt;
    }
    preset.row = *row;
    preset.inactive = kind == kInactive;
    return preset;
}

bool openMonth(HistoryModel& h, const HistoryRequest& r) {
    const std::vector<std::string> years = h.yearTexts();
    const auto at = std::find(years.begin(), years.end(), std::to_string(r.year));
    if (at == years.end()) return false;
    h.chooseYear(static_cast<int>(at - years.begin()));
    h.chooseMonth(r.month - 1);
    return h.month() == r.month - 1;
}

// Sets the request's values as the editor takes them: the ticks first, since they decide which
// fields are shown. kExitOk, or the exit code after saying why.
int fill(HistoryModel& h, const HistoryRequest& r, std::ostream& e) {
    const auto shown = [&](F field, std::string_view option) {
        if (h.visible(field) && h.enabled(field)) return true;
        e << res::format(res::kFieldNotShown, option) << "\n";
        return false;
    };
    if (r.totals) {
        if (r.pioneer >= 2) h.setTicked(r.pioneer == 2 ? F::RegularTotals : F::SpecialTotals, true);
        if (r.participated || r.lateMark >= 0) {
            e << res::format(res::kFieldNotShown, r.participated ? "--participated" : "--late-mark")
              << "\n";
            return kExitUsage;
        }
    } else {
        if (r.pioneer > 0)
            h.setTicked(r.pioneer == 1   ? F::Auxiliary
                        : r.pioneer == 2 ? F::Regular
                                         : F::Special,
                        true);
        if (r.pioneer == 0)
            for (const F tick : {F::Auxiliary, F::Regular, F::Special}) h.setTicked(tick, false);
        if (r.participated && h.newForm()) h.setTicked(F::Participated, true);
        if (r.lateMark >= 0) {
            if (!h.visible(F::Late)) {
                e << res::format(res::kFieldNotShown, "--late-mark") << "\n";
                return kExitRefused;
            }
            h.setTicked(F::Late, r.lateMark == 1);
        }
    }
    for (const Typed& t : r.fields) {
        const bool forTotals = t.option == "--reports" || t.option == "--active";
        const bool otherMode = forTotals ? !r.totals : r.totals && t.option == "--credit";
        if (otherMode) e << res::format(res::kFieldNotShown, t.option) << "\n";
        if (otherMode || !shown(t.field, t.option)) return kExitUsage;
        h.type(t.field, t.value);
        if (t.field == F::Hours) h.leaveHours();
    }
    if (r.participated && !r.totals && !h.newForm()) {
        if (!shown(F::UnderOneHour, "--participated")) return kExitUsage;
        h.setTicked(F::UnderOneHour, true);
    }
    return kExitOk;
}

}  // namespace

int commandHistory(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o.rest);
    if (!request) {
        err << kUsage;
        return kExitUsage;
    }
    return changeAndSave(
        o, out, err, [&](CZelvoDoc& doc, CliPrompts& prompts, std::ostream&, std::ostream& e) {
            const auto preset = presetOf(doc, *request, e);
            if (!preset) return int{kExitRefused};
            HistoryModel h(doc, prompts, *preset);
            if (!openMonth(h, *request)) {
                e << res::format(res::kHistoryMonthOutside, std::to_string(request->month),
                                 std::to_string(request->year))
                  << "\n";
                return int{kExitRefused};
            }
            if (const int code = fill(h, *request, e); code != kExitOk) return code;
            h.finish();
            return int{kExitOk};
        });
}

}  // namespace zelvo::cli
