#include "records/status_dialog_model.h"

#include "resources/strings.h"
#include "store/publisher_status.h"

namespace zelvo {

namespace {

constexpr int kMarkValue[] = {0, kMarkNew, kMarkTransferred, 0, kMarkReactivated, 0};

}  // namespace

StatusDialogModel::StatusDialogModel(const CalendarState& calendar, const PublisherRecord& record)
    : calendar_(calendar) {
    std::uint8_t flags = record.statusFlags();
    if ((flags & 0x0F & (kMarkNew | kMarkTransferred | kMarkReactivated)) == 0 &&
        (record.statusFlags2() & 0x0F) != 0)
        flags = record.statusFlags2();
    if (flags & kMarkNew)
        choice_ = kNewPublisher;
    else if (flags & kMarkTransferred)
        choice_ = kTransferredRegular;
    else if (flags & kMarkReactivated)
        choice_ = kReactivated;
    else if (statusMonth(flags) != 0)
        choice_ = kTransferredIrregular;
    else
        choice_ = kPutRight;

    month_ = statusMonth(flags) <= 12 ? statusMonth(flags) : 0;
    year_ = defaultYearFor(month_);
    const int since = record.statusSince();
    if (since != 0 && since <= calendar_.reportAbsMonth && calendar_.reportAbsMonth - since < 24) {
        month_ = since % 12 + 1;
        year_ = since / 12;
    }
}

std::string StatusDialogModel::title(const std::string& firstNameUtf8,
                                     const std::string& lastNameUtf8) {
    return res::format(res::kStatusDialogTitle, firstNameUtf8 + " " + lastNameUtf8);
}

std::vector<std::string> StatusDialogModel::monthEntries() {
    std::vector<std::string> entries{""};
    for (int m = 0; m < 12; ++m) entries.emplace_back(res::monthAbbrev(m));
    return entries;
}

std::vector<int> StatusDialogModel::yearEntries() const {
    return {calendar_.reportYear, calendar_.reportYear - 1};
}

bool StatusDialogModel::monthListVisible() const {
    return choice_ == kNewPublisher || choice_ == kTransferredRegular || choice_ == kReactivated;
}

bool StatusDialogModel::yearListVisible() const {
    return choice_ == kNewPublisher || choice_ == kReactivated;
}

int StatusDialogModel::defaultYearFor(int monthNumber) const {
    return monthNumber - 1 > calendar_.reportMonth ? calendar_.reportYear - 1
                                                   : calendar_.reportYear;
}

void StatusDialogModel::setMonth(int monthNumber) {
    month_ = monthNumber >= 0 && monthNumber <= 12 ? monthNumber : 0;
    year_ = defaultYearFor(month_);
}

std::optional<std::string> StatusDialogModel::refusal() const {
    if (monthListVisible() && month_ == 0) return std::string(res::kStatusMonthRequired);
    return std::nullopt;
}

void StatusDialogModel::apply(PublisherRecord& record) const {
    std::uint16_t since = record.statusSince();
    std::uint8_t flags = 0;
    if (choice_ == kPutRight) {
        since = 0;
    } else {
        flags = static_cast<std::uint8_t>(kMarkValue[choice_] + 16 * month_);
        if (choice_ == kNewPublisher || choice_ == kReactivated)
            since = month_ == 0 ? 0 : static_cast<std::uint16_t>(absoluteMonth(year_, month_ - 1));
    }
    // A mark that began a year or more ago keeps no month.
    if (since != 0 && calendar_.reportAbsMonth - since > 11) flags &= 0x0F;
    record.setByte(PublisherRecord::kStatusFlags, flags);
    record.setByte(PublisherRecord::kStatusFlags2, flags);
    record.setWord(PublisherRecord::kStatusSince, since);
}

}  // namespace zelvo
