// `zelvo-cli attendance FOLDER (--month M | --next) [--midweek N,N,N,N[,N]]
// [--weekend N,N,N,N[,N]]`: a month's weekly attendance typed into the entry dialog and saved.
// M (1-12) is the latest such month up to the report month; --next is the month after the report
// month, kept apart until it is opened (offered while it is the current calendar month). A
// meeting left out keeps its weeks; weeks not given are 0. A month the dialog does not offer
// exits kExitRefused with nothing written.
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/commands.h"
#include "reporting/attendance_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using reporting::AttendanceEntryModel;
using reporting::kMeetings;
using reporting::kWeeks;

struct AttendanceRequest {
    int month = 0;  // 1-12; 0 with --next
    bool next = false;
    std::array<std::optional<std::vector<int>>, kMeetings> weeks;
};

// "80,0,95,90": four or five counts of at most three digits, as the week fields take them.
std::optional<std::vector<int>> parseWeeks(const std::string& text) {
    std::vector<int> weeks;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');) {
        const auto n = parseNumber(part);
        if (!n || *n < 0 || *n > 999 || part.size() > 3) return std::nullopt;
        weeks.push_back(*n);
    }
    if (weeks.size() < 4 || weeks.size() > kWeeks || text.back() == ',') return std::nullopt;
    return weeks;
}

std::optional<AttendanceRequest> parseRequest(const std::vector<std::string>& args) {
    AttendanceRequest r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--next" && !r.next) {
            r.next = true;
        } else if (a == "--month" && hasValue && r.month == 0) {
            r.month = parseNumber(args[++i]).value_or(-1);
        } else if ((a == "--midweek" || a == "--weekend") && hasValue) {
            auto& slot = r.weeks[a == "--midweek" ? 0 : 1];
            slot = parseWeeks(args[++i]);
            if (!slot) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    const bool monthOk = r.next ? r.month == 0 : r.month >= 1 && r.month <= 12;
    if (!monthOk || (!r.weeks[0] && !r.weeks[1])) return std::nullopt;
    return r;
}

// Opens the dialog's model on the month asked for; false when the dialog does not offer it.
bool openMonth(AttendanceEntryModel& model, const AttendanceRequest& r, int reportMonth) {
    if (r.next) {
        model.setTicked(true);
        return model.ticked();
    }
    const int month = r.month - 1;
    const int years = static_cast<int>(model.yearEntries().size());
    model.setYearIndex(month <= reportMonth ? years - 1 : years - 2);
    model.setMonth(month);
    return model.monthIndex() == month;
}

int enterAttendance(CZelvoDoc& doc, const Date& today, std::ostream& out, std::ostream& e,
                    const AttendanceRequest& r) {
    AttendanceEntryModel model(doc, today);
    if (!openMonth(model, r, doc.calendar.reportMonth)) {
        e << res::format(res::kAttendanceMonthOutside, r.next ? "+1" : std::to_string(r.month))
          << "\n";
        return kExitRefused;
    }
    for (int k = 0; k < kMeetings; ++k) {
        const auto& weeks = r.weeks[static_cast<std::size_t>(k)];
        if (!weeks) continue;
        for (int w = 0; w < kWeeks; ++w)
            model.setWeek(
                k, w,
                w < static_cast<int>(weeks->size()) ? (*weeks)[static_cast<std::size_t>(w)] : 0);
    }
    model.save();
    out << model.title() << "\n";
    for (int k = 0; k < kMeetings; ++k) {
        const auto f = model.figures(k);
        out << (k == 0 ? res::kMidweekMeeting : res::kWeekendMeeting) << ": " << f.held << " "
            << f.total << " " << f.average << "\n";
    }
    return kExitOk;
}

}  // namespace

int commandAttendance(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o.rest);
    if (!request) {
        err << "Χρήση: attendance ΦΑΚΕΛΟΣ (--month ΜΗΝΑΣ | --next) [--midweek N,N,N,N[,N]] "
               "[--weekend N,N,N,N[,N]]\n";
        return kExitUsage;
    }
    const Date today = todayOf(o);
    return changeAndSave(o, out, err,
                         [&](CZelvoDoc& doc, CliPrompts&, std::ostream& out2, std::ostream& e) {
                             return enterAttendance(doc, today, out2, e, *request);
                         });
}

}  // namespace zelvo::cli
