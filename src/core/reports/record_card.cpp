#include "reports/record_card.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "records/group_caption.h"
#include "reporting/status_list_rules.h"
#include "reports/record_card_sheet.h"
#include "reports/record_card_year.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

// Check-box positions in percent of the card width, by header line.
constexpr int kMalePos = 70, kFemalePos = 88;
constexpr std::array kThirdRow{1, 18, 42, 66, 88};

// The header of publisher `row`: name, dates and the check boxes.
void drawPersonHeader(const CZelvoDoc& doc, int row, const CardOptions& options, CardSheet& sheet) {
    const PublisherRecord& p = doc.publishers[static_cast<std::size_t>(row)];
    const int datesEnd = sheet.atPercent(kMalePos) - sheet.dpiX() / 10;
    std::string birth = reporting::dateShown(p.birthDate());
    // Only the year: the date ends with it. Cut before the conversion, where a character is
    // one byte.
    if (options.hideBirthDayMonth && birth.size() > 4) birth = birth.substr(birth.size() - 4);
    std::string group;
    const int groupNumber = doc.groupOf(row, false);
    // A number beyond the group table names no group: the person counts as unassigned.
    if (options.printGroups && groupNumber > 0 && groupNumber <= groupsInUse(doc.groups))
        group = groupCaption(doc.groups, groupNumber);
    sheet.field(0, res::kCardName, cp1253::toUtf8(doc.displayName(row)), sheet.right(), group);
    sheet.field(1, res::kCardBirthDate, cp1253::toUtf8(birth), datesEnd, {});
    sheet.field(2, res::kCardBaptismDate, cp1253::toUtf8(reporting::dateShown(p.baptismDate())),
                datesEnd, {});

    // The labels of a row end before the next box, on any printer's face.
    const int room =
        sheet.atPercent(kThirdRow[2] - kThirdRow[1]) - sheet.left() - sheet.boxSide() * 2;
    const int size =
        sheet.selectFitting(FontRole::Text, 100, false, room,
                            {res::kTickElder, res::kPrivilegeServant, res::kTickRegular,
                             res::kTickSpecial, res::kCardOtherSheep});
    const std::uint8_t privileges = p.privileges();
    const bool baptized = cardBaptized(p.baptismDate());
    const bool anointed = p.hope() == 'A';
    const CalendarState& cal = doc.calendar;
    const int pioneer = doc.pioneerKindOf(row, cal.reportMonth, cal.reportSlot());
    const int code = privileges & privilege::kCodeMask;
    sheet.tick(1, kMalePos, res::kTickMale, (privileges & privilege::kMale) != 0);
    sheet.tick(1, kFemalePos, res::kTickFemale, (privileges & privilege::kFemale) != 0);
    sheet.tick(2, kMalePos, res::kCardOtherSheep, baptized && !anointed);
    sheet.tick(2, kFemalePos, res::kTickAnointed, baptized && anointed);
    const std::array<std::pair<std::string_view, bool>, 5> third{{
        {res::kTickElder, code == privilege::kElder},
        {res::kPrivilegeServant, code == privilege::kServant},
        {res::kTickRegular, pioneer == 2},
        {res::kTickSpecial, pioneer == 3},
        {res::kCardMissionary, (p.appointmentBits() & appointment::kFieldMissionary) != 0},
    }};
    for (std::size_t k = 0; k < third.size(); ++k) {
        // The last label alone gives way to the card's right edge.
        if (k + 1 == third.size())
            sheet.selectFitting(FontRole::Text, size, false,
                                sheet.right() - sheet.labelX(kThirdRow[k]),
                                {res::kCardMissionary, res::kCardInTheField});
        sheet.tick(3, kThirdRow[k], third[k].first, third[k].second);
    }
    sheet.text(sheet.labelX(kThirdRow[4]), 4, res::kCardInTheField);
}

}  // namespace

CardOptions cardOptions(const CZelvoDoc& doc) {
    const Settings& s = doc.settings;
    CardOptions o;
    o.onePerPage = s.onePerPage != 0;
    o.hideBirthDayMonth = s.hideBirthDates != 0;
    o.printGroups = s.printGroups != 0;
    o.hidden = s.hideAverages;
    return o;
}

void drawRecordCard(const CZelvoDoc& doc, int row, const CardOptions& options, Surface& surface,
                    int pageTop) {
    if (row < 1 || row >= doc.recordCount()) return;  // a row the table no longer holds
    CardSheet sheet(doc, options, surface, pageTop);
    sheet.title(cardTitle(options.kind));
    drawPersonHeader(doc, row, options, sheet);
    sheet.tables(personCardTables(doc, row, options));
}

}  // namespace zelvo::reports
