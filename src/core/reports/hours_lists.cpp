#include "reports/hours_lists.h"

#include "records/group_caption.h"
#include "reports/hours_averages.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr int kMonthsOfAuxiliaryService = 12;

bool servedAsAuxiliary(const CZelvoDoc& doc, int row) {
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    for (int i = 0; i < kMonthsOfAuxiliaryService; ++i, walk.back())
        if (doc.pioneerKindOf(row, walk.current().month, walk.current().slot) == 1) return true;
    return false;
}

bool listed(const CZelvoDoc& doc, int row, const HoursListArgs& args) {
    const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    const int code = r.privileges() & privilege::kCodeMask;
    const CalendarState& cal = doc.calendar;
    switch (args.list) {
        case HoursList::Congregation:
            return true;
        case HoursList::Group:
            return r.groupNumber() == args.group;
        case HoursList::RegularPioneers:
            return doc.pioneerKindOf(row, cal.reportMonth, cal.reportSlot()) == 2;
        case HoursList::AuxiliaryPioneers:
            return servedAsAuxiliary(doc, row);
        case HoursList::EldersAndServants:
            return code == privilege::kServant || code == privilege::kElder;
        case HoursList::BaptizedBrothers:
            return privilegesMatch(privilege::kBaptizedBrother, r.privileges());
        case HoursList::CustomCategory:
            return (r.privileges() & privilege::kCustomCategory) != 0;
    }
    return false;
}

}  // namespace

bool pioneerList(HoursList list) {
    return list == HoursList::RegularPioneers || list == HoursList::AuxiliaryPioneers;
}

std::vector<int> hoursListRows(const CZelvoDoc& doc, const HoursListArgs& args) {
    std::vector<int> rows;
    for (const IndexEntry& e : doc.kindLists[kPublisher])
        if (listed(doc, e.recordIndex, args)) rows.push_back(e.recordIndex);
    return rows;
}

std::string hoursListSubtitle(const CZelvoDoc& doc, const HoursListArgs& args) {
    std::string subtitle;
    switch (args.list) {
        case HoursList::Congregation:
            subtitle = res::kCongregation;
            break;
        case HoursList::Group:
            return groupCaption(doc.groups, args.group);
        case HoursList::RegularPioneers:
            subtitle = res::kSubtitleRegularPioneers;
            break;
        case HoursList::AuxiliaryPioneers:
            subtitle = res::kSubtitleAuxiliaryPioneers;
            break;
        case HoursList::EldersAndServants:
            subtitle = res::kSubtitleEldersAndServants;
            break;
        case HoursList::BaptizedBrothers:
            subtitle = res::kSubtitleBaptizedBrothers;
            break;
        case HoursList::CustomCategory:
            subtitle = cp1253::toUtf8(doc.settings.customCategoryName);
            break;
    }
    if (doc.settings.congregationName.empty()) return subtitle;
    if (!subtitle.empty()) subtitle += res::kNameJoin;
    return subtitle + cp1253::toUtf8(doc.settings.congregationName);
}

}  // namespace zelvo::reports
