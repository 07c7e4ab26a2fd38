#include "reports/group_lists.h"

#include <algorithm>

#include "records/group_caption.h"
#include "reports/congregation_report.h"
#include "reports/text_fit.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/name_collation.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

using Groups = ServiceGroupTable;

constexpr int kColumns = 4;
constexpr int kFirstLine = 1;  // a blank line under the title

bool withInactive(GroupListSelection s) {
    return s == GroupListSelection::ActiveAndInactive ||
           s == GroupListSelection::ActiveStudentsAndInactive;
}

bool withStudents(GroupListSelection s) {
    return s == GroupListSelection::ActiveAndStudents ||
           s == GroupListSelection::ActiveStudentsAndInactive;
}

std::string assistantMark(std::string_view languageWord) {
    if (languageWord == "czech") return std::string(res::kAssistantMarkCzech);
    // The first letter, whole: Greek letters take two bytes of UTF-8.
    const std::string_view word = res::kAssistantWord;
    std::size_t end = 1;
    while (end < word.size() && (static_cast<unsigned char>(word[end]) & 0xC0) == 0x80) ++end;
    return std::string(word.substr(0, end));
}

// The heading of a group: the overseer's title, the place, and the day with the time when a time
// is given.
struct GroupHeading {
    std::string overseer;
    std::string place;
    std::string when;
};

GroupHeading headingOf(const CZelvoDoc& doc, int group) {
    GroupHeading h;
    h.overseer = overseerTitle(doc, group);
    h.place = cp1253::toUtf8(doc.groups.text(Groups::placeField(group)));
    const std::string time = cp1253::toUtf8(doc.groups.text(Groups::timeField(group)));
    const int day = doc.groups.meetingDay(group);
    if (time.size() > 3 && day < 7) h.when = std::string(res::kDayNames[day]) + "  " + time;
    return h;
}

// Where each part of the lists goes: a heading, or a member at its column.
struct Placement {
    int page = 0;
    int line = 0;
    int group = 0;
    int member = -1;  // -1 for the heading
    int column = 0;
};

// Lays out the blocks: a heading and its members, rows = members / 4 rounded up, filled column by
// column. A block that does not fit in the rest of a page goes to the next one; a block longer
// than a page fills each page and goes on with its heading repeated, its members filling the
// columns of each page.
std::vector<Placement> layOut(const std::vector<int>& memberCounts, int lastLine) {
    std::vector<Placement> out;
    int page = 0;
    int line = kFirstLine;
    const int pageRows = std::max(1, lastLine - kFirstLine);  // rows under a heading
    for (std::size_t g = 0; g < memberCounts.size(); ++g) {
        const int group = static_cast<int>(g) + 1;
        int left = memberCounts[g];
        int first = 0;
        bool headingDue = true;
        while (headingDue || left > 0) {
            const int rowsWanted = (left + kColumns - 1) / kColumns;
            const int room = lastLine - line;  // rows under a heading placed at `line`
            if (line > kFirstLine && (room < std::min(rowsWanted, pageRows) || room < 0)) {
                ++page;
                line = kFirstLine;
                continue;
            }
            const int rows = std::min(rowsWanted, std::max(room, 0));
            out.push_back({page, line, group, -1, 0});
            const int chunk = std::min(left, rows * kColumns);
            const int chunkRows = (chunk + kColumns - 1) / kColumns;
            for (int i = 0; i < chunk; ++i)
                out.push_back({page, line + 1 + i % chunkRows, group, first + i, i / chunkRows});
            first += chunk;
            left -= chunk;
            line += 1 + chunkRows;
            headingDue = false;
            if (left > 0) {
                ++page;
                line = kFirstLine;
                headingDue = true;
            }
        }
        ++line;  // a blank line between groups
    }
    return out;
}

class GroupListReport {
public:
    GroupListReport(const CZelvoDoc& doc, Surface& surface, GroupListSelection selection,
                    ReportContext& context)
        : doc_(doc), surface_(surface), selection_(selection), context_(context) {}

    void draw() {
        const int lines = congregationLinesPerPage(surface_, context_);
        page_ = beginReport(surface_, *context_.fonts, context_.page);
        lastLine_ = kFirstLine + std::max(lines - 2, 1);
        // Lines counted at the printer's resolution; a taller screen line is drawn closer so the
        // last one still ends inside the printable part of the sheet.
        const int room = printableBand(0, page_.pageLength, page_.dpiY).bottom -
                         pageTopOf(0, page_.pageLength, page_.dpiY, page_.topMargin);
        page_.lineHeight =
            static_cast<std::uint16_t>(lineHeightToFit(page_.lineHeight, room, lastLine_ + 1));
        page_.title = res::format(res::kGroupListTitle, res::kCongregation);
        if (!doc_.settings.congregationName.empty())
            page_.title +=
                std::string(res::kNameJoin) + cp1253::toUtf8(doc_.settings.congregationName);

        const int groups = groupsInUse(doc_.groups);
        std::vector<std::vector<GroupMember>> members;
        std::vector<int> counts;
        for (int g = 1; g <= groups; ++g) {
            members.push_back(groupListMembers(doc_, g, selection_));
            counts.push_back(static_cast<int>(members.back().size()));
        }
        const std::vector<Placement> placements = layOut(counts, lastLine_);
        const int pages = placements.empty() ? 1 : placements.back().page + 1;
        context_.pageCount = pages;
        context_.pagesUsed = pages;

        startPage(0);
        const int columnWidth = page_.dpiX * 7 / 4;
        for (const Placement& p : placements) {
            if (p.page != pageIndex_) startPage(p.page);
            const int x = page_.left + p.column * columnWidth;
            const int y = rowY(page_, p.line);
            if (p.member < 0) {
                drawHeading(headingOf(doc_, p.group), y);
                continue;
            }
            select(FontRole::Text);
            const GroupMember& m =
                members[static_cast<std::size_t>(p.group - 1)][static_cast<std::size_t>(p.member)];
            // The mark stays whole; the name gives way to it.
            const std::string mark = m.mark.empty() ? "" : " (" + m.mark + ")";
            const int nameRoom =
                columnWidth - surface_.averageCharWidth() - surface_.textWidth(mark);
            surface_.drawText(x, y, fitText(surface_, m.name, nameRoom) + mark, Align::Left,
                              VAlign::Top);
        }
    }

private:
    void select(FontRole role) {
        selectReportFont(surface_, role, *context_.fonts, page_, context_.page);
    }

    void startPage(int index) {
        pageIndex_ = index;
        setPageIndex(page_, index);
        drawPageHeader(surface_, page_, *context_.fonts, context_.page, context_.header);
    }

    // The overseer's title in the left 2.75 inches, the place in the next 2.5, the day and time
    // ending at the right margin: each kept inside its room.
    void drawHeading(const GroupHeading& h, int y) {
        select(FontRole::Heading);
        const int gap = surface_.averageCharWidth();
        const int placeX = page_.left + page_.dpiX * 11 / 4;
        const int right = page_.left + page_.dpiX * 7;
        const int whenWidth = surface_.textWidth(h.when);
        surface_.drawText(page_.left, y, fitText(surface_, h.overseer, placeX - gap - page_.left),
                          Align::Left, VAlign::Top);
        const int placeRoom = std::min(page_.dpiX * 5 / 2, right - whenWidth - placeX) - gap;
        if (!h.place.empty())
            surface_.drawText(placeX, y, fitText(surface_, h.place, placeRoom), Align::Left,
                              VAlign::Top);
        if (!h.when.empty()) surface_.drawText(right, y, h.when, Align::Right, VAlign::Top);
    }

    const CZelvoDoc& doc_;
    Surface& surface_;
    GroupListSelection selection_;
    ReportContext& context_;
    ReportPage page_;
    int lastLine_ = kFirstLine;
    int pageIndex_ = 0;
};

}  // namespace

std::vector<GroupMember> groupListMembers(const CZelvoDoc& doc, int group,
                                          GroupListSelection selection) {
    struct Sorted {
        std::string key;
        GroupMember member;
    };
    std::vector<Sorted> listed;
    const std::string assistant = group >= 1 && group <= Groups::kMaxGroups
                                      ? doc.groups.text(Groups::assistantField(group))
                                      : std::string();
    const std::string assistantLetter = assistantMark(doc.languageWord);
    const auto add = [&](int kind, std::string_view mark) {
        for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kind)]) {
            if (listed.size() >= kMaxListedMembers) return;
            const PublisherRecord& r = doc.publishers[e.recordIndex];
            if (r.groupNumber() != group) continue;
            if (selection == GroupListSelection::ActiveWithConsent && r.consentGiven() != 1)
                continue;
            if (kind == kInactive && (r.privileges() & privilege::kLeftOutOfGroupLists) != 0)
                continue;
            const std::string name = doc.displayName(e.recordIndex);
            const bool isAssistant =
                !assistant.empty() && r.firstName() + " " + r.lastName() == assistant;
            listed.push_back({collation::sortKey(name),
                              {e.recordIndex, cp1253::toUtf8(name),
                               isAssistant ? assistantLetter : std::string(mark)}});
        }
    };
    add(kPublisher, {});
    if (withInactive(selection)) add(kInactive, res::kInactiveMark);
    if (withStudents(selection)) add(kNonPublisher, res::kStudentMark);
    std::stable_sort(listed.begin(), listed.end(),
                     [](const Sorted& a, const Sorted& b) { return a.key < b.key; });
    std::vector<GroupMember> out;
    for (Sorted& s : listed) out.push_back(std::move(s.member));
    return out;
}

void drawGroupLists(const CZelvoDoc& doc, Surface& surface, GroupListSelection selection,
                    ReportContext& context) {
    context.pageCount = 1;
    if (context.fonts == nullptr) return;
    GroupListReport report(doc, surface, selection, context);
    report.draw();
}

}  // namespace zelvo::reports
