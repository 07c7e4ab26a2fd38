#include "records/pioneer_lists_model.h"

#include <algorithm>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

constexpr int kYearsShown = 3;

int code(PioneerMode mode) {
    return static_cast<int>(mode);
}

// Two-digit years wrap at the turn of the century.
int yearsBefore(int twoDigitYear, int back) {
    return ((twoDigitYear - back) % 100 + 100) % 100;
}

}  // namespace

PioneerListsModel::PioneerListsModel(CZelvoDoc& doc, PioneerMode mode)
    : doc_(doc),
      openedAs_(mode == PioneerMode::Special ? PioneerMode::Regular : mode),
      mode_(mode),
      year_(doc.calendar.reportYear),
      month_(doc.calendar.reportMonth) {
    refresh();
}

void PioneerListsModel::setSpecial(bool on) {
    if (!specialTickVisible()) return;
    mode_ = on ? PioneerMode::Special : PioneerMode::Regular;
    refresh();
}

std::string PioneerListsModel::specialTickText() {
    return std::string(res::kSpecialPioneersTitle);
}

std::vector<int> PioneerListsModel::years() const {
    std::vector<int> out;
    for (int back = kYearsShown - 1; back >= 0; --back)
        out.push_back(yearsBefore(doc_.calendar.reportYear, back));
    return out;
}

void PioneerListsModel::setYear(int twoDigitYear) {
    const auto listed = years();
    if (std::find(listed.begin(), listed.end(), twoDigitYear) == listed.end()) return;
    year_ = twoDigitYear;
    const auto shown = months();
    if (!shown.empty() && std::find(shown.begin(), shown.end(), month_) == shown.end())
        month_ = shown.back();
    refresh();
}

std::vector<int> PioneerListsModel::months() const {
    const int reportMonth = doc_.calendar.reportMonth;
    const int back = (doc_.calendar.reportYear - year_ + 100) % 100;
    const int first = back == kYearsShown - 1 ? reportMonth + 1 : 0;
    const int last = back == 0 ? reportMonth : 11;
    std::vector<int> out;
    for (int m = first; m <= last; ++m) out.push_back(m);
    return out;
}

void PioneerListsModel::setMonth(int monthIndex) {
    const auto shown = months();
    if (std::find(shown.begin(), shown.end(), monthIndex) == shown.end()) return;
    month_ = monthIndex;
    refresh();
}

std::string PioneerListsModel::title() const {
    const std::string_view modeTitle = mode_ == PioneerMode::Auxiliary
                                           ? res::kAuxiliaryPioneersTitle
                                       : mode_ == PioneerMode::Regular ? res::kRegularPioneersTitle
                                                                       : res::kSpecialPioneersTitle;
    return std::string(modeTitle) + " - " + std::string(res::monthName(month_)) + " " +
           std::to_string(year_) + " ( " + std::to_string(listed_.size()) + " )";
}

std::string PioneerListsModel::addText(const std::string& name) {
    return std::string(res::kPioneerListAdd) + "\n" + name;
}

std::string PioneerListsModel::removeText(const std::string& name) {
    return std::string(res::kPioneerListRemove) + "\n" + name;
}

int PioneerListsModel::slot() const {
    return yearSlot(year_);
}

void PioneerListsModel::refresh() {
    listed_.clear();
    others_.clear();
    for (int row = 1; row < doc_.recordCount(); ++row) {
        const PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
        if (r.kind() != kPublisher) continue;
        const int c = r.pioneerKind(month_, slot());
        if (c == code(mode_))
            listed_.push_back({row, cp1253::toUtf8(doc_.displayName(row))});
        else if (c == 0)
            others_.push_back({row, cp1253::toUtf8(doc_.displayName(row))});
    }
}

bool PioneerListsModel::add(int row) {
    return setCode(row, 0, code(mode_));
}

bool PioneerListsModel::remove(int row) {
    if (!setCode(row, code(mode_), 0)) return false;
    const auto& cal = doc_.calendar;
    const bool reportMonth = month_ == cal.reportMonth && year_ == cal.reportYear;
    if (mode_ != PioneerMode::Regular && reportMonth) {
        PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
        r.setByte(PublisherRecord::kPrivileges,
                  static_cast<std::uint8_t>(r.privileges() & ~privilege::kContinuousAuxiliary));
    }
    return true;
}

bool PioneerListsModel::setCode(int row, int from, int to) {
    const auto& source = from == 0 ? others_ : listed_;
    if (std::none_of(source.begin(), source.end(), [row](const Entry& e) { return e.row == row; }))
        return false;
    PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
    const std::uint8_t old = r.monthByte(MonthByte::PioneerKind, month_, slot());
    r.setMonthByte(MonthByte::PioneerKind, month_, slot(),
                   static_cast<std::uint8_t>((old & ~0x03u) | static_cast<unsigned>(to)));
    doc_.markModified();
    refresh();
    return true;
}

}  // namespace zelvo::records
