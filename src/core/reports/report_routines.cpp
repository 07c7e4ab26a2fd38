#include "reports/report_routines.h"

#include <optional>

#include "reports/averages_report.h"
#include "reports/congregation_report.h"
#include "reports/group_lists.h"
#include "reports/hours_report.h"
#include "reports/labels_report.h"
#include "reports/pioneer_hours_report.h"
#include "reports/report_kind.h"
#include "reports/year_totals_report.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

std::optional<GroupListSelection> groupListSelection(int kind) {
    switch (static_cast<ReportKind>(kind)) {
        case ReportKind::MembersActive:
            return GroupListSelection::Active;
        case ReportKind::MembersActiveAndStudents:
            return GroupListSelection::ActiveAndStudents;
        case ReportKind::MembersActiveAndInactive:
            return GroupListSelection::ActiveAndInactive;
        case ReportKind::MembersActiveStudentsAndInactive:
            return GroupListSelection::ActiveStudentsAndInactive;
        case ReportKind::MembersActiveWithConsent:
            return GroupListSelection::ActiveWithConsent;
        default:
            return std::nullopt;
    }
}

}  // namespace

ReportContext reportContextFor(const CZelvoDoc& doc, const ReportFonts& fonts, const Date& today) {
    ReportContext c;
    c.fonts = &fonts;
    c.page.gridLines = doc.settings.reportGridLines != 0;
    c.page.topMarginOption = doc.settings.reportTopMargin;
    c.header.printDate = doc.settings.reportDate != 0;
    c.header.today = today;
    c.header.languageWord = doc.languageWord;
    return c;
}

bool drawReport(CZelvoDoc& doc, Surface& surface, int kind, int group, ReportContext& context) {
    context.pageCount = 1;
    context.pagesUsed = 0;
    if (const auto selection = groupListSelection(kind)) {
        drawGroupLists(doc, surface, *selection, context);
        return true;
    }
    if (const auto averages = averagesArgsFor(kind, group)) {
        drawAveragesReport(doc, surface, *averages, context);
        return true;
    }
    if (const auto hours = hoursReportArgsFor(kind, group)) {
        drawHoursReport(doc, surface, *hours, context);
        return true;
    }
    if (const auto totals = yearTotalsArgsFor(kind)) {
        drawYearTotalsReport(doc, surface, *totals, context);
        return true;
    }
    if (kind == kindNumber(ReportKind::Labels)) {
        drawLabelsReport(doc, surface, context);
        return true;
    }
    if (kind == kindNumber(ReportKind::PioneerHours)) {
        drawPioneerHoursReport(doc, surface, context);
        return true;
    }
    CongregationArgs args;
    switch (static_cast<ReportKind>(kind)) {
        case ReportKind::AnalysisByPioneersAndGroups:
            break;
        case ReportKind::AnalysisAlphabetical:
            args.order = AnalysisOrder::ListOrder;
            break;
        case ReportKind::GroupAnalysis:
            args.group = group;
            break;
        case ReportKind::CongregationTotals:
            args.mode = CongregationMode::Totals;
            break;
        case ReportKind::MeetingsReport:
            args.mode = CongregationMode::Meetings;
            break;
        default:
            return false;
    }
    drawCongregationReport(doc, surface, args, context);
    return true;
}

}  // namespace zelvo::reports
