#include "records/privileges_model.h"

#include <algorithm>

#include "records/appointments.h"
#include "resources/strings.h"
#include "store/bytes.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

constexpr std::size_t kDateLength = 8;
constexpr int kYearsBack = 98;

std::uint16_t kindOf(int row) {
    return static_cast<std::uint16_t>(row + 1);
}

std::string dateText(const DateLists& date) {
    std::string text = date.storedText();
    text.resize(kDateLength, ' ');
    return text;
}

}  // namespace

PrivilegesModel::PrivilegesModel(CZelvoDoc& doc, std::uint16_t id, std::string displayName,
                                 bool male, const PrivilegeTicks& ticks, int currentYear,
                                 const PrivilegeDateTexts* held)
    : doc_(doc),
      id_(id),
      displayName_(std::move(displayName)),
      male_(male),
      currentYear_(currentYear),
      ticks_(ticks) {
    for (int row = 0; row < kPrivilegeRows; ++row) {
        auto& start = starts_[static_cast<std::size_t>(row)];
        auto& end = ends_[static_cast<std::size_t>(row)];
        start = DateLists(currentYear);
        end = DateLists(currentYear);
        const AppointmentRecord* a = id == 0 ? nullptr : appointmentOf(doc, id, kindOf(row));
        std::string text;
        if (a != nullptr)
            text = a->appointmentText();
        else if (id == 0 && held != nullptr)
            text = (*held)[static_cast<std::size_t>(row)];
        start.load(text.substr(0, std::min(text.size(), kDateLength)));
        end.load(text.size() > kDateLength ? text.substr(kDateLength, kDateLength) : "");
    }
}

std::string PrivilegesModel::title() const {
    return std::string(res::kPrivilegesTitle) + " - " + displayName_;
}

std::string PrivilegesModel::rowText(int row) {
    static constexpr std::string_view kTexts[kPrivilegeRows] = {
        res::kPrivilegeServant, res::kTickElder, res::kTickRegular, res::kTickContinuousAux,
        res::kTickSpecial};
    return std::string(kTexts[std::clamp(row, 0, kPrivilegeRows - 1)]);
}

std::string PrivilegesModel::fieldMissionaryText() {
    return std::string(res::kTickFieldMissionary);
}

std::string PrivilegesModel::fullTimeServantText() {
    return std::string(res::kTickFullTimeServant);
}

bool PrivilegesModel::rowEnabled(int row) const {
    return male_ || (row != kServantRow && row != kElderRow);
}

bool PrivilegesModel::endVisible(int row) const {
    return start(row).complete() && !ticked(row);
}

void PrivilegesModel::setTicked(int row, bool on) {
    if (row < 0 || row >= kPrivilegeRows || !rowEnabled(row)) return;
    auto& t = ticks_.rows;
    t[static_cast<std::size_t>(row)] = on;
    if (on) {
        switch (row) {
            case kServantRow:
                t[kElderRow] = false;
                break;
            case kElderRow:
                t[kServantRow] = false;
                break;
            case kRegularRow:
                t[kContinuousAuxRow] = t[kSpecialRow] = ticks_.fullTimeServant = false;
                break;
            case kSpecialRow:
                t[kContinuousAuxRow] = t[kRegularRow] = ticks_.fullTimeServant = false;
                break;
            case kContinuousAuxRow:
                t[kRegularRow] = t[kSpecialRow] = false;
                break;
            default:
                break;
        }
        starts_[static_cast<std::size_t>(row)].clear();
    }
    for (int r = 0; r < kPrivilegeRows; ++r) enforceEndRule(r);
}

void PrivilegesModel::setFullTimeServant(bool on) {
    ticks_.fullTimeServant = on;
    if (!on) return;
    ticks_.rows[kSpecialRow] = ticks_.rows[kRegularRow] = false;
    enforceEndRule(kSpecialRow);
    enforceEndRule(kRegularRow);
}

namespace {
void setPart(DateLists& date, PrivilegesModel::DatePart part, int value) {
    switch (part) {
        case PrivilegesModel::DatePart::Month:
            date.setMonth(value);
            break;
        case PrivilegesModel::DatePart::Day:
            date.setDay(value);
            break;
        case PrivilegesModel::DatePart::Year:
            date.setYear(value);
            break;
    }
}
}  // namespace

void PrivilegesModel::setStart(int row, DatePart part, int value) {
    if (row < 0 || row >= kPrivilegeRows || !rowEnabled(row)) return;
    setPart(starts_[static_cast<std::size_t>(row)], part, value);
    enforceEndRule(row);
}

void PrivilegesModel::setEnd(int row, DatePart part, int value) {
    if (row < 0 || row >= kPrivilegeRows || !rowEnabled(row) || !endVisible(row)) return;
    setPart(ends_[static_cast<std::size_t>(row)], part, value);
}

std::vector<int> PrivilegesModel::yearEntries(int row) const {
    std::vector<int> years{0};
    for (int y = currentYear_ - kYearsBack; y <= currentYear_ + 1; ++y) years.push_back(y);
    for (const int held : {start(row).year(), end(row).year()})
        if (held != 0 && std::find(years.begin(), years.end(), held) == years.end())
            years.insert(std::upper_bound(years.begin() + 1, years.end(), held), held);
    return years;
}

void PrivilegesModel::enforceEndRule(int row) {
    if (!endVisible(row)) ends_[static_cast<std::size_t>(row)].clear();
}

PrivilegesModel::Accepted PrivilegesModel::accept() {
    Accepted result{ticks_, {}, std::nullopt};
    for (int row = 0; row < kPrivilegeRows; ++row)
        result.dates[static_cast<std::size_t>(row)] = dateText(start(row)) + dateText(end(row));
    if (id_ != 0) result.problem = writePrivilegeDates(doc_, id_, result.dates);
    return result;
}

std::optional<std::string> writePrivilegeDates(CZelvoDoc& doc, std::uint16_t id,
                                               const PrivilegeDateTexts& dates, bool keepBlank) {
    std::optional<std::string> problem;
    for (int row = 0; row < kPrivilegeRows; ++row) {
        const std::string& rowDates = dates[static_cast<std::size_t>(row)];
        const bool blank = trimmed(rowDates).empty();
        AppointmentRecord* a = appointmentOf(doc, id, kindOf(row));
        if (blank && (a == nullptr || keepBlank)) continue;
        if (a == nullptr) {
            a = freeAppointment(doc);
            if (a == nullptr) {
                problem = res::format(res::kPrivilegeDatesFull,
                                      std::to_string(CZelvoDoc::kMaxAppointments));
                continue;
            }
            *a = AppointmentRecord{};
            a->setWord(0, id);
            a->setWord(2, kindOf(row));
        }
        // Whatever the record holds after the two dates stays.
        std::string text = a->appointmentText();
        text.resize(std::max(text.size(), rowDates.size()), ' ');
        text.replace(0, rowDates.size(), rowDates);
        if (text == a->appointmentText()) continue;
        a->setText(AppointmentRecord::kText, text);
        doc.markModified();
    }
    return problem;
}

}  // namespace zelvo::records
