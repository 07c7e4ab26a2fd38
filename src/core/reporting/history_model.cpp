#include "reporting/history_model.h"

#include <algorithm>
#include <iterator>

#include "records/reactivation.h"
#include "reporting/report_form_model.h"
#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/late_reports.h"
#include "store/remark_table.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

using F = HistoryField;

constexpr F kNumbers[] = {F::Placements, F::Videos, F::Hours, F::ReturnVisits, F::Studies};
constexpr MonthWord kWords[] = {MonthWord::Placements, MonthWord::Videos, MonthWord::Hours,
                                MonthWord::ReturnVisits, MonthWord::StudiesAndFlags};
constexpr int kRemarkTyped = ReportFormModel::kRemarkTyped;
constexpr int kMaxWord = 0xFFFF;
// MonthTotals values.
constexpr int kQuarterValue = totals_value::kQuarters;
constexpr int kReportsValue = totals_value::kReports;
constexpr int kActiveValue = totals_value::kActive;

// The number before any '.', held to what a word keeps.
std::uint16_t fieldNumber(std::string_view text) {
    long value = 0;
    for (const char c : text.substr(0, text.find('.'))) {
        if (c < '0' || c > '9') break;
        value = std::min<long>(value * 10 + (c - '0'), kMaxWord);
    }
    return static_cast<std::uint16_t>(value);
}

// Whole hours and quarters of the hours field; the fraction as the field shows it once left.
TypedHours typedHours(std::string_view text) {
    const std::size_t point = text.find('.');
    TypedHours h{fieldNumber(text), 0};
    if (point != std::string_view::npos)
        h.quarters = parseHours("0" + std::string(text.substr(point))).value_or(h).quarters;
    return h;
}

std::string hoursOf(long whole, int quarters) {
    whole += quarters / 4;
    return hoursText({static_cast<int>(std::min<long>(whole, kMaxWord)), quarters % 4});
}

// The label's text: at most 25 characters, then "...".
std::string cutLabel(std::string_view utf8) {
    const std::string text = cp1253::fromUtf8(utf8);
    if (text.size() <= 25) return std::string(utf8);
    return cp1253::toUtf8(text.substr(0, 25)) + "...";
}

}  // namespace

std::string_view totalsCategoryName(TotalsCategory c) {
    switch (c) {
        case TotalsCategory::Publishers:
            return res::kHistoryPublishers;
        case TotalsCategory::Auxiliary:
            return res::kHistoryAuxiliaries;
        case TotalsCategory::Pioneers:
            return res::kHistoryPioneers;
        case TotalsCategory::Active:
            return res::kHistoryActive;
    }
    return {};
}

HistoryModel::HistoryModel(CZelvoDoc& doc, UserPrompts& prompts, HistoryPreset preset)
    : doc_(doc), prompts_(prompts), preset_(preset) {
    const CalendarState& cal = doc.calendar;
    baseYear_ = 2000 + cal.reportYear;
    baseMonth_ = cal.reportMonth;
    lastThisYear_ = baseMonth_ - 1;  // the report month itself belongs to the report form
    oldBaseMonth_ = doc.header().collectionState(baseMonth_) == 0;
    const auto rowKind = [&doc](int row) {
        return row < doc.recordCount() ? doc.publishers[static_cast<std::size_t>(row)].kind() : -1;
    };
    if (preset.row == 0) {
        for (const IndexEntry& e : doc.kindLists[kPublisher]) people_.push_back(e.recordIndex);
    } else if (preset.row > 0 && rowKind(preset.row) >= 0 && rowKind(preset.row) != kNonPublisher) {
        people_ = {preset.row};
        if (preset.inactive) {
            // The months kept are those up to the month the person became inactive.
            const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(preset.row)];
            baseYear_ = inactiveYear(r.statusFlags2());
            baseMonth_ = std::clamp((r.statusFlags() >> 4) - 1, 0, 11);
            lastThisYear_ = baseMonth_;
            oldBaseMonth_ = false;
        }
    } else {
        // Nobody, and no list: a student's row holds the conductor's name where months would be.
        preset_.row = -1;
    }
    if (!people_.empty()) {
        row_ = people_.front();
        work_ = doc.publishers[static_cast<std::size_t>(row_)];
    }
    month_ = baseMonth_;
    selectLatest();
    if (preset.totals) {
        totalsMode_ = true;
        totals_ = doc.monthTotals;
        category_ = *preset.totals;
    }
    load();
}

// --- lists ---

std::vector<std::string> HistoryModel::yearTexts() const {
    std::vector<std::string> years;
    for (int p = 0; p < 3; ++p) years.push_back(std::to_string(baseYear_ - 2 + p));
    return years;
}

std::vector<int> HistoryModel::monthsOf(int position) const {
    std::vector<int> list;
    const int from = position == 0 ? (oldBaseMonth_ ? baseMonth_ : baseMonth_ + 1) : 0;
    const int to = position == 2 ? lastThisYear_ : 11;
    for (int m = from; m <= to; ++m) list.push_back(m);
    return list;
}

std::vector<int> HistoryModel::months() const {
    return monthsOf(yearPos_);
}

// The start: this year on the base month when it lists it, else the latest month it lists, else
// last year's December.
void HistoryModel::selectLatest() {
    yearPos_ = 2;
    const std::vector<int> list = months();
    if (std::find(list.begin(), list.end(), month_) != list.end()) return;
    if (!list.empty()) {
        month_ = list.back();
    } else {
        yearPos_ = 1;
        month_ = 11;
    }
}

void HistoryModel::chooseYear(int position) {
    save();
    yearPos_ = std::clamp(position, 0, 2);
    const std::vector<int> list = months();
    if (std::find(list.begin(), list.end(), month_) == list.end())
        month_ = list.empty() ? -1 : list.front();
    load();
}

void HistoryModel::chooseMonth(int monthIndex) {
    const std::vector<int> list = months();
    if (std::find(list.begin(), list.end(), monthIndex) == list.end()) return;
    save();
    month_ = monthIndex;
    load();
}

int HistoryModel::slot() const {
    return yearSlot(baseYear_ - 2 + yearPos_);
}

int HistoryModel::absoluteMonth() const {
    return zelvo::absoluteMonth(baseYear_ - 2 + yearPos_ - 2000, std::max(month_, 0));
}

bool HistoryModel::newForm() const {
    return absoluteMonth() > doc_.calendar.lastOldFormMonth;
}

std::vector<std::string> HistoryModel::listEntries() const {
    std::vector<std::string> list;
    if (totalsMode_) {
        for (const auto c : {TotalsCategory::Publishers, TotalsCategory::Auxiliary,
                             TotalsCategory::Pioneers, TotalsCategory::Active})
            list.emplace_back(totalsCategoryName(c));
        return list;
    }
    const bool lastNameFirst = doc_.settings.languageOption == 0;
    for (const int r : people_) list.push_back(cp1253::toUtf8(doc_.displayName(r, lastNameFirst)));
    return list;
}

void HistoryModel::chooseListEntry(int position) {
    save();
    if (totalsMode_) {
        category_ = static_cast<TotalsCategory>(std::clamp(position, 0, 3));
    } else if (position >= 0 && position < static_cast<int>(people_.size())) {
        commitPerson();
        takePerson(position);
    }
    load();
}

void HistoryModel::takePerson(int position) {
    personPos_ = position;
    row_ = people_[static_cast<std::size_t>(position)];
    work_ = doc_.publishers[static_cast<std::size_t>(row_)];
}

// --- fields ---

std::string HistoryModel::title() const {
    const std::string who = totalsMode_ ? std::string(totalsCategoryName(category_))
                                        : cp1253::toUtf8(doc_.displayName(row_));
    if (month_ < 0) return who;
    return res::format(res::kHistoryTitle, who, res::monthName(month_),
                       std::to_string(baseYear_ - 2 + yearPos_));
}

std::string HistoryModel::text(HistoryField f) const {
    if (static_cast<int>(f) > static_cast<int>(F::Remark)) return {};
    return field(f);
}

void HistoryModel::type(HistoryField f, std::string_view typed) {
    if (static_cast<int>(f) >= static_cast<int>(F::Remark)) return;
    std::string kept;
    for (const char c : typed)
        if ((c >= '0' && c <= '9') || c == '.') kept += c;
    field(f) = kept;
}

void HistoryModel::leaveHours() {
    std::string& hours = field(F::Hours);
    if (hours.find('.') != std::string::npos) {
        const TypedHours h = typedHours(hours);
        hours = hoursText(h);
    }
}

void HistoryModel::leaveRemark(std::string_view typed) {
    if (totalsMode_ || month_ < 0) return;
    const std::string text = cp1253::fromUtf8(typed);
    const std::string& shown = field(F::Remark);
    if (text == shown) return;  // an unchanged remark is neither stored again nor cut
    const std::size_t keep = std::max<std::size_t>(kRemarkTyped, loaded_.texts[6].size());
    const std::string kept = text.substr(0, keep);
    if (storeRemark(doc_, row_, month_, slot(), remarkNumber_, kept))
        work_.setMonthWord(MonthWord::RemarkIndex, month_, slot(),
                           static_cast<std::uint16_t>(remarkNumber_));
    field(F::Remark) = std::string(trimmed(kept));
}

bool HistoryModel::ticked(HistoryField f) const {
    switch (f) {
        case F::Auxiliary:
            return (c_.kind & 3) == 1;
        case F::Regular:
            return (c_.kind & 3) == 2;
        case F::Special:
            return (c_.kind & 3) == 3;
        case F::UnderOneHour:
            return c_.underOneHour;
        case F::Participated:
            return c_.participated;
        case F::Late:
            return c_.late;
        case F::MonthAdvance:
            return monthAdvance_;
        case F::PersonAdvance:
            return personAdvance_;
        case F::RegularTotals:
            return pioneerTick_ == 2;
        case F::SpecialTotals:
            return pioneerTick_ == 3;
        default:
            return totalsMode_ && f == F::List;
    }
}

void HistoryModel::setTicked(HistoryField f, bool on) {
    const auto pioneer = [&](int code) {
        c_.kind = static_cast<std::uint8_t>((c_.kind & ~3) | (on ? code : 0));
    };
    switch (f) {
        case F::Auxiliary:
            return pioneer(1);
        case F::Regular:
            return pioneer(2);
        case F::Special:
            return pioneer(3);
        case F::UnderOneHour:
            c_.underOneHour = on;
            return;
        case F::Participated:
            c_.participated = on;
            // The tick says what the month holds: without it there are neither hours nor studies.
            if (!on) field(F::Hours) = field(F::Studies) = "0";
            return;
        case F::Late:
            c_.late = on;
            return;
        case F::MonthAdvance:
            monthAdvance_ = on;
            if (on) personAdvance_ = false;
            return;
        case F::PersonAdvance:
            personAdvance_ = on;
            if (on) monthAdvance_ = false;
            return;
        case F::RegularTotals:
        case F::SpecialTotals:
            save();
            pioneerTick_ = on ? (f == F::RegularTotals ? 2 : 3) : 0;
            load();
            return;
        default:
            return;
    }
}

bool HistoryModel::visible(HistoryField f) const {
    const bool oldForm = !newForm();
    const int kind = c_.kind & 3;
    if (totalsMode_) {
        const bool active = category_ == TotalsCategory::Active;
        switch (f) {
            case F::Placements:
            case F::Videos:
            case F::ReturnVisits:
                return !active && oldForm;
            case F::Hours:
                return !active && (oldForm || category_ != TotalsCategory::Publishers);
            case F::Studies:
                return !active;
            case F::Credit:
            case F::List:
            case F::Note:
                return true;
            case F::RegularTotals:
            case F::SpecialTotals:
                return category_ == TotalsCategory::Pioneers;
            default:
                return false;
        }
    }
    switch (f) {
        case F::Placements:
        case F::Videos:
        case F::ReturnVisits:
            return oldForm;
        case F::Hours:
            return oldForm || (c_.participated && kind != 0);
        case F::Studies:
            return oldForm || c_.participated;
        case F::Credit:
            return kind >= 2;
        case F::UnderOneHour:
            return oldForm && (field(F::Hours).empty() || field(F::Hours) == "0");
        case F::Participated:
            return !oldForm;
        case F::Late:
            return lateShown_;
        case F::List:
        case F::PersonAdvance:
            return preset_.row == 0;
        case F::Remark:
        case F::Auxiliary:
        case F::Regular:
        case F::Special:
        case F::MonthAdvance:
            return true;
        default:
            return false;
    }
}

bool HistoryModel::enabled(HistoryField f) const {
    const bool numberField = static_cast<int>(f) <= static_cast<int>(F::Remark);
    if (numberField && month_ < 0) return false;
    if (totalsMode_)
        return !(numberField && category_ == TotalsCategory::Pioneers && pioneerTick_ == 0);
    if (f == F::Hours) return newForm() || !c_.underOneHour;
    return true;
}

std::string HistoryModel::creditLabel() const {
    if (!totalsMode_) return std::string(res::kHistoryCredit);
    if (pioneerTick_ == 2) return std::string(res::kHistoryRegulars);
    if (pioneerTick_ == 3) return std::string(res::kHistorySpecials);
    return cutLabel(totalsCategoryName(category_));
}

// --- totals mode ---

void HistoryModel::setTotalsMode(bool on) {
    if (on == totalsMode_) return;
    save();
    if (on) {
        commitPerson();
        totals_ = doc_.monthTotals;
    } else {
        commitTotals();
        if (row_ > 0) work_ = doc_.publishers[static_cast<std::size_t>(row_)];
    }
    totalsMode_ = on;
    load();
}

int HistoryModel::editedCategory() const {
    switch (category_) {
        case TotalsCategory::Publishers:
            return 0;
        case TotalsCategory::Auxiliary:
            return 1;
        case TotalsCategory::Pioneers:
            return pioneerTick_ != 0 ? pioneerTick_ : -1;
        case TotalsCategory::Active:
            return 0;
    }
    return -1;
}

// --- Enter ---

std::vector<HistoryField> HistoryModel::enterOrder() const {
    std::vector<HistoryField> order;
    for (const F f : {F::Participated, F::Placements, F::Videos, F::Hours, F::ReturnVisits,
                      F::Studies, F::Credit, F::Remark})
        if (visible(f) && enabled(f)) order.push_back(f);
    return order;
}

HistoryField HistoryModel::firstField() const {
    const std::vector<HistoryField> order = enterOrder();
    return order.empty() ? F::List : order.front();
}

void HistoryModel::moveOn() {
    save();
    if (!totalsMode_ && personAdvance_ && !people_.empty()) {
        commitPerson();
        takePerson((personPos_ + 1) % static_cast<int>(people_.size()));
    } else if (!totalsMode_ && monthAdvance_) {
        // The editable months in order, oldest first; after the latest comes the oldest.
        std::vector<std::pair<int, int>> all;
        for (int p = 0; p < 3; ++p)
            for (const int m : monthsOf(p)) all.emplace_back(p, m);
        const auto at = std::find(all.begin(), all.end(), std::pair{yearPos_, month_});
        if (at != all.end()) {
            const auto next = std::next(at) == all.end() ? all.begin() : std::next(at);
            yearPos_ = next->first;
            month_ = next->second;
        }
    }
    load();
}

void HistoryModel::finish() {
    save();
    if (totalsMode_)
        commitTotals();
    else
        commitPerson();
}

// --- load and save ---

void HistoryModel::load() {
    c_ = Controls{};
    lateShown_ = false;
    if (month_ >= 0) {
        if (totalsMode_)
            loadTotals();
        else if (row_ > 0)
            loadPerson();
    }
    loaded_ = c_;
}

void HistoryModel::loadPerson() {
    const int m = month_;
    const int s = slot();
    for (int i = 0; i < 4; ++i)
        if (i != 2) field(kNumbers[i]) = std::to_string(work_.monthWord(kWords[i], m, s));
    field(F::Hours) = hoursOf(work_.hours(m, s), work_.quarters(m, s));
    field(F::Studies) = std::to_string(work_.bibleStudies(m, s));
    field(F::Credit) = std::to_string(work_.monthWord(MonthWord::CreditHours, m, s));
    c_.kind = work_.monthByte(MonthByte::PioneerKind, m, s);
    c_.participated = c_.underOneHour = work_.tookPart(m, s);
    lateShown_ = work_.monthByte(MonthByte::CountedInMonth, m, s) == doc_.calendar.reportMonth + 1;
    c_.late = lateShown_;
    const RemarkSlot r = prepareRemark(doc_, row_, m, s, prompts_);
    remarkNumber_ = r.number;
    field(F::Remark) = std::string(trimmed(r.text));
}

void HistoryModel::loadTotals() {
    const int m = month_;
    const int s = slot();
    const auto value = [&](int v) {
        if (category_ == TotalsCategory::Pioneers && pioneerTick_ == 0)
            return long{totals_.value(m, 2, v, s)} + totals_.value(m, 3, v, s);
        return long{totals_.value(m, editedCategory(), v, s)};
    };
    for (int v = 0; v < 5; ++v)
        if (v != 2) field(kNumbers[v]) = std::to_string(value(v));
    field(F::Hours) = hoursOf(value(2), static_cast<int>(value(kQuarterValue)));
    field(F::Credit) = std::to_string(category_ == TotalsCategory::Active ? value(kActiveValue)
                                                                          : value(kReportsValue));
}

void HistoryModel::save() {
    // A month whose fields were not touched is written back as it was, byte for byte.
    if (month_ < 0 || c_ == loaded_) return;
    if (totalsMode_)
        saveTotals();
    else if (row_ > 0)
        savePerson();
    loaded_ = c_;
}

void HistoryModel::savePerson() {
    const int m = month_;
    const int s = slot();
    const TypedHours h = typedHours(field(F::Hours));
    if (h.whole != 0 || h.quarters != 0) c_.underOneHour = false;
    for (int i = 0; i < 4; ++i)
        if (i != 2) work_.setMonthWord(kWords[i], m, s, fieldNumber(field(kNumbers[i])));
    work_.setMonthWord(MonthWord::Hours, m, s, static_cast<std::uint16_t>(h.whole));
    const int studies = std::min<int>(fieldNumber(field(F::Studies)), kStudiesMask);
    const bool mark = newForm() ? c_.participated || h.whole != 0 || h.quarters != 0 || studies != 0
                                : c_.underOneHour;
    work_.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                       static_cast<std::uint16_t>(studies | (mark ? kTookPart : 0) |
                                                  (h.quarters << kQuarterShift)));
    work_.setMonthByte(MonthByte::PioneerKind, m, s, c_.kind);
    // The mark is the tick's only while the tick is shown: a report counted in another month
    // keeps saying so.
    if (lateShown_)
        work_.setMonthByte(MonthByte::CountedInMonth, m, s,
                           static_cast<std::uint8_t>(c_.late ? doc_.calendar.reportMonth + 1 : 0));
    work_.setMonthWord(MonthWord::CreditHours, m, s, fieldNumber(field(F::Credit)));
}

void HistoryModel::saveTotals() {
    const int m = month_;
    const int s = slot();
    const int category = editedCategory();
    if (category < 0) return;  // the pioneers' sums are only shown
    if (category_ == TotalsCategory::Active) {
        totals_.setValue(m, 0, kActiveValue, s, fieldNumber(field(F::Credit)));
        return;
    }
    const TypedHours h = typedHours(field(F::Hours));
    for (int v = 0; v < 5; ++v)
        totals_.setValue(m, category, v, s, fieldNumber(field(kNumbers[v])));
    totals_.setValue(m, category, 2, s, static_cast<std::uint16_t>(h.whole));
    totals_.setValue(m, category, kQuarterValue, s, static_cast<std::uint16_t>(h.quarters));
    totals_.setValue(m, category, kReportsValue, s, fieldNumber(field(F::Credit)));
}

void HistoryModel::commitPerson() {
    if (row_ <= 0) return;
    PublisherRecord& live = doc_.publishers[static_cast<std::size_t>(row_)];
    if (live.bytes == work_.bytes) return;
    // The late-report list follows the late ticks: the save writes the marks from the list, so a
    // cleared tick would otherwise come back.
    const CalendarState& cal = doc_.calendar;
    const int countedIn = cal.reportMonth + 1;
    for (int m = 0; m < 12; ++m) {
        const int s = cal.slotOfMonth(m);
        const bool was = live.monthByte(MonthByte::CountedInMonth, m, s) == countedIn;
        const bool now = work_.monthByte(MonthByte::CountedInMonth, m, s) == countedIn;
        if (m == cal.reportMonth || was == now) continue;
        if (now) {
            addLateReport(doc_, row_, m);
        } else {
            std::erase_if(doc_.lateReports, [&](const LateReportEntry& e) {
                return e.publisherId == live.id() && e.month == m;
            });
        }
    }
    live = work_;
    doc_.markModified();
}

void HistoryModel::commitTotals() {
    if (doc_.monthTotals.bytes == totals_.bytes) return;
    doc_.monthTotals = totals_;
    doc_.markModified();
}

}  // namespace zelvo::reporting
