#include "reporting/report_form_model.h"

#include <algorithm>
#include <cctype>

#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/late_reports.h"
#include "store/remark_table.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

constexpr int kMaxWord = 0xFFFF;
// From March 2023 a regular pioneer's credit tops the month up to 55 hours instead of 75.
constexpr int kReducedCreditFrom = 278;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The whole text as a number; nothing when it holds anything but digits or exceeds `max`. An
// empty field counts as 0.
std::optional<int> wholeNumber(std::string_view text, int max) {
    long value = 0;
    for (const char c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > max) return std::nullopt;
    }
    return static_cast<int>(value);
}

int quartersOfDigit(char digit) {
    if (digit >= '7' && digit <= '9') return 3;
    if (digit >= '4' && digit <= '6') return 2;
    return 1;  // 0-3, or no digit after the point
}

struct CountRule {
    FormField field;
    MonthWord word;
    int max;  // the Bible studies use the low 10 bits, of which the form allows 63
};
constexpr CountRule kCounts[] = {
    {FormField::Placements, MonthWord::Placements, kMaxWord},
    {FormField::Videos, MonthWord::Videos, kMaxWord},
    {FormField::Hours, MonthWord::Hours, kMaxWord},
    {FormField::ReturnVisits, MonthWord::ReturnVisits, 1023},
    {FormField::Studies, MonthWord::StudiesAndFlags, 63},
};

}  // namespace

int pioneerCredit(int credit, int hours, std::string& remark, int absoluteMonth) {
    const int u = absoluteMonth >= kReducedCreditFrom ? 20 : 0;
    const int cap = 74 - u;
    const int limit = 75 - u;
    if (hours > cap) credit = 0;
    if (credit != 0 && credit > limit - hours) credit = limit - hours;
    if (credit != 0 && remark.empty())
        remark = std::to_string(credit) + " +" + cp1253::fromUtf8(res::kHoursWord);

    std::size_t digits = 0;
    while (digits < 3 && digits < remark.size() && isDigit(remark[digits])) ++digits;
    if (digits > 0) credit = std::min(std::stoi(remark.substr(0, digits)), 255);

    const std::size_t bang = remark.find('!');
    if (bang != std::string::npos && bang <= 5) return credit;

    const std::size_t star = remark.find('*');
    const int a = star != std::string::npos && star >= 1 && star <= 4 ? std::min(credit, 40) : 0;
    if (hours > cap) credit = a;
    if (a + hours > cap) credit = a;
    if (credit != 0) {
        if (a != 0) {
            if (a + hours < limit && credit + hours > cap) credit = limit - hours;
        } else if (credit > limit - hours) {
            credit = limit - hours;
        }
    }
    return credit;
}

std::optional<TypedHours> parseHours(std::string_view text) {
    const std::size_t point = text.find('.');
    const auto whole = wholeNumber(text.substr(0, point), kMaxWord);
    if (!whole) return std::nullopt;
    TypedHours h{*whole, 0};
    if (point != std::string_view::npos)
        h.quarters = quartersOfDigit(point + 1 < text.size() ? text[point + 1] : ' ');
    return h;
}

std::string hoursText(TypedHours h) {
    return std::to_string(h.whole) + std::string(res::quarterSuffix(h.quarters));
}

ReportFormModel::ReportFormModel(CZelvoDoc& doc, int row, UserPrompts& prompts)
    : doc_(doc),
      prompts_(prompts),
      row_(row),
      work_(doc.publishers.at(static_cast<std::size_t>(row))) {
    chooseMonth(doc.calendar.reportMonth);
}

// --- texts ---

std::string ReportFormModel::title() const {
    return cp1253::toUtf8(doc_.displayName(row_, false));
}

std::string ReportFormModel::monthLabel() const {
    return std::string(res::monthName(month_));
}

std::vector<std::string> ReportFormModel::monthNames() {
    std::vector<std::string> names;
    for (int m = 0; m < 12; ++m) names.emplace_back(res::monthName(m));
    return names;
}

std::string ReportFormModel::heading(FormField count) const {
    switch (count) {
        case FormField::Placements:
            return std::string(res::kHeadingPlacements);
        case FormField::Videos:
            return std::string(res::kHeadingVideos);
        case FormField::Hours:
            return std::string(res::kHeadingHours);
        case FormField::ReturnVisits:
            return std::string(res::kHeadingReturnVisits);
        case FormField::Studies:
            return std::string(res::kHeadingStudies);
        default:
            return {};
    }
}

std::string ReportFormModel::pioneerLabel() const {
    if (fieldMissionary()) return std::string(res::kFieldMissionaryLabel);
    if ((kind_ & 3) == 3) return std::string(res::kSpecialPioneerLabel);
    return std::string(res::kRegularPioneerLabel);
}

std::string ReportFormModel::privilegeLabel() const {
    switch (work_.privileges() & privilege::kCodeMask) {
        case privilege::kServant:
            return std::string(res::kServantLabel);
        case privilege::kElder:
            return std::string(res::kElderLabel);
        case privilege::kBaptizedBrother:
            return std::string(res::kBaptizedBrotherLabel);
        default:
            return {};
    }
}

std::string ReportFormModel::groupLabel() const {
    return std::string(res::kGroupWord) + " " + std::to_string(work_.groupNumber());
}

std::string ReportFormModel::creditLabel() const {
    return credit_ != 0 ? res::format(res::kCreditLabel, std::to_string(credit_)) : std::string();
}

bool ReportFormModel::reportEntered() const {
    return loadedReport_;
}

std::string ReportFormModel::note() const {
    std::string note;
    const auto line = [&note](std::string text) { note += "\n" + text; };
    if (reportEntered())
        line(res::format(res::kTimeAlreadyEntered, res::monthNameGenitive(month_), title()));
    // "στην έκθεση Νοεμβρίου": the month in the genitive.
    const std::string_view reportMonth = res::monthNameGenitive(doc_.calendar.reportMonth);
    if (specialPioneer()) {
        line(std::string(res::kSpecialPioneersLeftOut));
    } else if (late()) {
        if (!monthListShown_)
            line(res::format(excluded() ? res::kChangesNotIncluded : res::kChangesIncluded,
                             reportMonth));
    } else if (reportEntered()) {
        line(res::format(res::kChangesIncluded, reportMonth));
    }
    return note;
}

std::string ReportFormModel::text(FormField count) const {
    return field(count);
}

std::string ReportFormModel::remark() const {
    return cp1253::toUtf8(remark_);
}

std::string ReportFormModel::tooltip(FormField f) {
    if (f == FormField::UnderOneHour) return std::string(res::kUnderOneHourTip);
    if (f == FormField::Participated) return std::string(res::kParticipatedTip);
    return {};
}

// --- state ---

bool ReportFormModel::newForm() const {
    return absMonth_ > doc_.calendar.lastOldFormMonth;
}

bool ReportFormModel::late() const {
    return month_ != doc_.calendar.reportMonth;
}

bool ReportFormModel::fieldMissionary() const {
    return (work_.appointmentBits() & appointment::kFieldMissionary) != 0;
}

bool ReportFormModel::specialPioneer() const {
    const CalendarState& cal = doc_.calendar;
    return (kind_ & 3) == 3 || work_.pioneerKind(cal.reportMonth, cal.reportSlot()) == 3;
}

bool ReportFormModel::excluded() const {
    if (specialPioneer()) return true;
    return late() && reportEntered() && !isLateReport(doc_, row_, month_);
}

bool ReportFormModel::visible(FormField f) const {
    const bool pioneerLike = (kind_ & 3) >= 2 || fieldMissionary();
    switch (f) {
        case FormField::Placements:
        case FormField::Videos:
        case FormField::ReturnVisits:
            return !newForm();
        case FormField::Hours:
            return !newForm() || (participated_ && ((kind_ & 3) != 0 || fieldMissionary()));
        case FormField::Studies:
            return !newForm() || participated_;
        case FormField::UnderOneHour:
            return !newForm() &&
                   (field(FormField::Hours).empty() || field(FormField::Hours) == "0");
        case FormField::Participated:
            return newForm();
        case FormField::Auxiliary:
            return !pioneerLike;
        case FormField::PioneerLabel:
            return pioneerLike;
        case FormField::CreditLabel:
            return (kind_ & 3) == 2 && !monthListShown_;
        case FormField::MonthButton:
            return !monthListShown_ && !remarkOpen_;
        case FormField::Remark:
            return remarkOpen_;
        case FormField::MonthList:
            return monthListShown_;
        case FormField::GroupLabel:
        case FormField::RemarkButton:
        case FormField::Ok:
        case FormField::Cancel:
            return !monthListShown_;
    }
    return false;
}

std::vector<FormField> ReportFormModel::focusOrder() const {
    using F = FormField;
    static constexpr F kOld[] = {F::Placements,   F::Videos,      F::Hours,     F::UnderOneHour,
                                 F::ReturnVisits, F::Studies,     F::Auxiliary, F::RemarkButton,
                                 F::Remark,       F::MonthButton, F::MonthList, F::Ok,
                                 F::Cancel};
    static constexpr F kNew[] = {F::Participated, F::Hours,  F::Studies,     F::Auxiliary,
                                 F::RemarkButton, F::Remark, F::MonthButton, F::MonthList,
                                 F::Ok,           F::Cancel};
    std::vector<F> order;
    const auto add = [&](const auto& list) {
        for (const F f : list)
            if (visible(f)) order.push_back(f);
    };
    if (newForm())
        add(kNew);
    else
        add(kOld);
    return order;
}

FormField ReportFormModel::firstField() const {
    return newForm() ? FormField::Participated : FormField::Placements;
}

FormField ReportFormModel::arrowTarget(FormField from, bool right) const {
    if (right && from == FormField::Studies) return firstField();
    if (!right && from == firstField() && visible(FormField::Studies)) return FormField::Studies;
    const std::vector<FormField> order = focusOrder();
    const auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end()) return from;
    if (right) return std::next(at) == order.end() ? from : *std::next(at);
    return at == order.begin() ? from : *std::prev(at);
}

int ReportFormModel::remarkMaxLength() const {
    return std::max(kRemarkTyped, static_cast<int>(remarkShown_.size()));
}

// --- input ---

int ReportFormModel::countIndex(FormField f) {
    for (int i = 0; i < 5; ++i)
        if (kCounts[i].field == f) return i;
    return 2;  // not a count field: the hours, harmlessly
}

void ReportFormModel::type(FormField count, std::string_view typed) {
    std::string kept;
    for (const char c : typed)
        if (isDigit(c) || c == '.') kept += c;
    field(count) = kept;
    if (count == FormField::Hours) hoursTyped_ = true;
}

void ReportFormModel::pressSpace(FormField count) {
    type(count, "0");
}

int ReportFormModel::hoursNumber() const {
    const auto h = parseHours(field(FormField::Hours));
    return h ? h->whole : 0;
}

void ReportFormModel::computeCredit(int hours) {
    if ((kind_ & 3) == 2) credit_ = pioneerCredit(credit_, hours, remark_, absMonth_);
}

void ReportFormModel::leaveHours() {
    std::string& hours = field(FormField::Hours);
    if (hours.find('.') != std::string::npos)
        if (const auto h = parseHours(hours)) hours = hoursText(*h);
    computeCredit(hoursNumber());
    hoursTyped_ = false;
}

void ReportFormModel::setParticipated(bool on) {
    participated_ = on;
    if (!on && newForm()) {
        field(FormField::Hours) = "0";
        field(FormField::Studies) = "0";
    }
}

void ReportFormModel::applyParticipatedRule() {
    const std::string& hours = field(FormField::Hours);
    if (hours.size() > 1 || hoursNumber() != 0) participated_ = true;
    setParticipated(participated_);
}

void ReportFormModel::setAuxiliary(bool on) {
    if ((kind_ & 3) > 1) return;
    kind_ = static_cast<std::uint8_t>((kind_ & ~3) | (on ? 1 : 0));
    if (newForm()) applyParticipatedRule();
}

void ReportFormModel::showMonthList() {
    monthListShown_ = true;
    remarkOpen_ = false;
}

void ReportFormModel::chooseMonth(int monthIndex) {
    const CalendarState& cal = doc_.calendar;
    month_ = std::clamp(monthIndex, 0, 11);
    slot_ = cal.slotOfMonth(month_);
    // A month later in the calendar than the report month is of the year before.
    absMonth_ = zelvo::absoluteMonth(cal.reportYear - (month_ > cal.reportMonth ? 1 : 0), month_);
    loadMonth();
}

void ReportFormModel::closeMonthList() {
    monthListShown_ = false;
    loadMonth();
}

void ReportFormModel::loadMonth() {
    const int m = month_;
    const int s = slot_;
    for (const CountRule& c : {kCounts[0], kCounts[1], kCounts[3]})
        field(c.field) = std::to_string(work_.monthWord(c.word, m, s));
    loadedHours_ = work_.hours(m, s);
    loadedQuarters_ = std::min(work_.quarters(m, s), 3);
    field(FormField::Hours) = hoursText({loadedHours_, loadedQuarters_});
    // Under the new report form a publisher reports no hours: taking part is the report.
    loadedReport_ = loadedHours_ != 0 || loadedQuarters_ != 0 || work_.tookPart(m, s);
    field(FormField::Studies) = std::to_string(work_.bibleStudies(m, s));
    participated_ = work_.tookPart(m, s);
    kind_ = work_.monthByte(MonthByte::PioneerKind, m, s);
    credit_ = (kind_ & 3) == 2 ? work_.monthWord(MonthWord::CreditHours, m, s) : 0;

    const RemarkSlot r = prepareRemark(doc_, row_, m, s, prompts_);
    remarkNumber_ = r.number;
    remark_ = std::string(trimmed(r.text));
    remarkShown_ = remark_;
    remarkChanged_ = false;
    remarkOpen_ = false;
    hoursTyped_ = false;

    computeCredit(loadedHours_);
    // The old report form's tick is the under-one-hour mark, not taking part.
    if (newForm()) applyParticipatedRule();
}

void ReportFormModel::openRemark() {
    remarkOpen_ = true;
    remarkShown_ = remark_;
}

void ReportFormModel::leaveRemark(std::string_view typed) {
    remarkOpen_ = false;
    const std::string text = cp1253::fromUtf8(typed);
    // An unchanged remark is neither stored again nor cut: a longer one loaded keeps its end.
    if (text != remarkShown_) {
        remarkChanged_ = true;
        const std::string kept = text.substr(0, static_cast<std::size_t>(remarkMaxLength()));
        // A refused store (a new remark in a full table) keeps the month's link as it was.
        if (storeRemark(doc_, row_, month_, slot_, remarkNumber_, kept))
            work_.setMonthWord(MonthWord::RemarkIndex, month_, slot_,
                               static_cast<std::uint16_t>(remarkNumber_));
        remark_ = std::string(trimmed(kept));
        remarkShown_ = remark_;
    }
    if (remark_.empty()) credit_ = 0;
    computeCredit(hoursNumber());
    work_.setMonthWord(MonthWord::CreditHours, month_, slot_, static_cast<std::uint16_t>(credit_));
}

// --- OK ---

std::optional<ReportFormModel::Refusal> ReportFormModel::validate() const {
    for (const CountRule& c : kCounts) {
        if (!visible(c.field)) continue;  // a hidden field keeps what the month holds
        const std::string& t = field(c.field);
        const bool valid = c.field == FormField::Hours ? parseHours(t).has_value()
                                                       : wholeNumber(t, kMaxWord).has_value();
        if (!valid) return Refusal{c.field, std::string(res::kEnterInteger)};
        const int value =
            c.field == FormField::Hours ? parseHours(t)->whole : *wholeNumber(t, kMaxWord);
        if (value > c.max)
            return Refusal{c.field,
                           res::format(res::kEnterIntegerBetween, "0", std::to_string(c.max))};
    }
    return std::nullopt;
}

void ReportFormModel::writeMonth() {
    const int m = month_;
    const int s = slot_;
    const auto number = [&](FormField f) {
        return static_cast<std::uint16_t>(wholeNumber(field(f), kMaxWord).value_or(0));
    };
    const TypedHours h = parseHours(field(FormField::Hours)).value_or(TypedHours{});
    const int studies = number(FormField::Studies);
    work_.setMonthWord(MonthWord::Placements, m, s, number(FormField::Placements));
    work_.setMonthWord(MonthWord::Videos, m, s, number(FormField::Videos));
    work_.setMonthWord(MonthWord::Hours, m, s, static_cast<std::uint16_t>(h.whole));
    work_.setMonthWord(MonthWord::ReturnVisits, m, s, number(FormField::ReturnVisits));
    const bool anyTime = h.whole != 0 || h.quarters != 0;
    // New form: any hours or studies count as taking part. Old form: the mark means under one
    // hour, so months with time never keep it.
    const bool mark =
        newForm() ? participated_ || anyTime || studies != 0 : participated_ && !anyTime;
    const int word =
        (studies & kStudiesMask) | (mark ? kTookPart : 0) | (h.quarters << kQuarterShift);
    work_.setMonthWord(MonthWord::StudiesAndFlags, m, s, static_cast<std::uint16_t>(word));
    work_.setMonthByte(MonthByte::PioneerKind, m, s, kind_);
    work_.setMonthWord(MonthWord::CreditHours, m, s, static_cast<std::uint16_t>(credit_));
}

std::optional<ReportFormModel::Refusal> ReportFormModel::accept() {
    if (hoursTyped_) leaveHours();
    if (auto refusal = validate()) return refusal;
    writeMonth();

    PublisherRecord& live = doc_.publishers[static_cast<std::size_t>(row_)];
    bool changed = remarkChanged_;
    for (const CountRule& c : kCounts)
        changed = changed ||
                  live.monthWord(c.word, month_, slot_) != work_.monthWord(c.word, month_, slot_);
    changed = changed || live.monthByte(MonthByte::PioneerKind, month_, slot_) != kind_ ||
              live.monthWord(MonthWord::CreditHours, month_, slot_) !=
                  work_.monthWord(MonthWord::CreditHours, month_, slot_);
    if (!changed) return std::nullopt;

    const bool countLate = late() && !excluded();
    // The month's mark is cleared once its report is entered.
    work_.setWord(PublisherRecord::kMonthMarks,
                  static_cast<std::uint16_t>(work_.monthMarks() & ~(1u << month_)));
    live = work_;
    if (countLate) addLateReport(doc_, row_, month_);
    doc_.markModified();
    doc_.lastEnteredId = static_cast<std::int16_t>(live.id());
    committed_ = true;
    return std::nullopt;
}

}  // namespace zelvo::reporting
