#include "records/publisher_table.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "records/new_information.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/name_collation.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

// From this offset on a record holds its 24 months: reports, remark numbers, credit hours, slot
// years and late-report months (a student keeps the conductor's name there instead).
constexpr std::size_t kMonthlyData = 240;
// The pioneer codes of the 24 months (12 x 3 bytes).
constexpr std::size_t kPioneerCodes = static_cast<std::size_t>(MonthByte::PioneerKind);
constexpr std::size_t kPioneerCodesSize = 36;

void finish(CZelvoDoc& doc) {
    doc.countAllKinds();
    doc.buildIndexes();
    doc.markModified();
}

PublisherRecord& at(CZelvoDoc& doc, int row) {
    return doc.publishers[static_cast<std::size_t>(row)];
}

// Equal names are a duplicate, except that a new person may share the name of somebody of
// another list: a new publisher a student's or an inactive person's, and a new student a
// publisher's (replacing a publisher by a student would lose the publisher's reports).
bool isDuplicate(bool adding, const PublisherRecord& changed, const PublisherRecord& existing) {
    if (!adding) return true;
    if (changed.kind() == kPublisher || changed.kind() == kNonPublisher)
        return existing.kind() == changed.kind();
    return true;
}

std::string duplicateText(const CZelvoDoc& doc, const PublisherRecord& existing, bool adding) {
    std::string text =
        cp1253::toUtf8(doc.nameOf(existing)) + " " + std::string(res::kDuplicateName) + "\n\n";
    if (adding) text += res::kReplaceWithNew;
    return text;
}

// Moves the row `from` to stand before the row `before` (count() for the end); returns its row.
int moveRow(CZelvoDoc& doc, int from, int before) {
    auto rows = doc.publishers.begin();
    if (before > from) {
        std::rotate(rows + from, rows + from + 1, rows + before);
        return before - 1;
    }
    std::rotate(rows + before, rows + from, rows + from + 1);
    return before;
}

// Names a list cannot tell apart: the same letters and accents, whatever the letter case.
bool sameName(const CZelvoDoc::SortKey& a, const CZelvoDoc::SortKey& b) {
    return a.overseer == b.overseer && collation::sameName(a.name, b.name);
}

// A table that was out of order already (the name form changed since it was sorted) is sorted
// again as a whole; returns where the person of `row` is then.
int keepSorted(CZelvoDoc& doc, int row) {
    std::vector<CZelvoDoc::SortKey> keys;
    keys.reserve(doc.publishers.size());
    for (std::size_t i = 1; i < doc.publishers.size(); ++i)
        keys.push_back(doc.sortKey(doc.publishers[i]));
    if (std::is_sorted(keys.begin(), keys.end())) return row;
    const PublisherRecord person = at(doc, row);
    doc.sortRows();
    const auto found = std::find(doc.publishers.begin() + 1, doc.publishers.end(), person);
    return static_cast<int>(found - doc.publishers.begin());
}

}  // namespace

bool tableFull(const CZelvoDoc& doc) {
    return doc.recordCount() >= CZelvoDoc::kMaxRows;
}

bool sortsBefore(const CZelvoDoc& doc, const PublisherRecord& a, const PublisherRecord& b) {
    return doc.sortKey(a) < doc.sortKey(b);
}

InsertResult insertNew(CZelvoDoc& doc, const PublisherRecord& record, UserPrompts& prompts) {
    if (tableFull(doc)) {
        prompts.showMessage(res::kTableFull);
        return {InsertOutcome::TableFull, 0};
    }
    const CZelvoDoc::SortKey key = doc.sortKey(record);
    int place = doc.recordCount();
    for (int i = 1; i < doc.recordCount(); ++i) {
        const PublisherRecord& existing = at(doc, i);
        const CZelvoDoc::SortKey other = doc.sortKey(existing);
        const bool same = sameName(key, other);
        if (same && isDuplicate(true, record, existing)) {
            if (!prompts.askYesNo(duplicateText(doc, existing, true)))
                return {InsertOutcome::Dropped, 0};
            const PublisherRecord before = existing;
            const MonthSlot reportMonth{doc.calendar.reportMonth, doc.calendar.reportSlot()};
            at(doc, i) = withNewInformation(before, record, reportMonth);
            // The names typed may differ from the person's in letter case, which orders ties.
            const int row = keepSorted(doc, i);
            finish(doc);
            return {InsertOutcome::ReplacedExisting, row, before};
        }
        if (key < other) {
            place = std::min(place, i);
            // Letter case orders the same name either side of its place: look on past it.
            if (!same) break;
        }
    }
    doc.publishers.insert(doc.publishers.begin() + place, record);
    const int row = keepSorted(doc, place);
    finish(doc);
    return {InsertOutcome::Inserted, row};
}

int resortRenamed(CZelvoDoc& doc, int row, UserPrompts& prompts) {
    if (row <= 0 || row >= doc.recordCount()) return row;
    const PublisherRecord& changed = at(doc, row);
    const CZelvoDoc::SortKey key = doc.sortKey(changed);
    int place = doc.recordCount();
    bool told = false;
    for (int i = 1; i < doc.recordCount(); ++i) {
        if (i == row) continue;
        const CZelvoDoc::SortKey other = doc.sortKey(at(doc, i));
        const bool same = sameName(key, other);
        // Only told: the person keeps the new name, and still takes its place in the order.
        if (same && !told) {
            prompts.showMessage(duplicateText(doc, at(doc, i), false));
            told = true;
        }
        if (key < other) {
            place = std::min(place, i);
            if (!same) break;
        }
    }
    const int moved = keepSorted(doc, moveRow(doc, row, place));
    finish(doc);
    return moved;
}

void clearHouseholdLinksTo(CZelvoDoc& doc, std::uint16_t id) {
    // Row 0 is the header, whose words there mean something else.
    for (std::size_t i = 1; i < doc.publishers.size(); ++i)
        if (doc.publishers[i].householdKey() == id)
            doc.publishers[i].setWord(PublisherRecord::kHouseholdKey, 0);
}

void removeAppointmentsOf(CZelvoDoc& doc, std::uint16_t id) {
    // Kind 0 is how an appointment is removed: the save leaves such records out.
    for (AppointmentRecord& a : doc.appointments)
        if (a.publisherId() == id) a = AppointmentRecord{};
}

void deletePerson(CZelvoDoc& doc, int row) {
    if (row <= 0 || row >= doc.recordCount()) return;
    const std::uint16_t id = at(doc, row).id();
    clearHouseholdLinksTo(doc, id);
    // Blanked, not taken out: a save writes each remark over its own record of remark9.dat, so
    // only a blank record clears the copy in the file; the next load compacts the file.
    for (std::size_t i = 1; i < doc.remarks.size(); ++i)
        if (doc.remarks[i].publisherId() == id) doc.remarks[i].setText(RemarkRecord::kText, "");
    removeAppointmentsOf(doc, id);
    doc.publishers.erase(doc.publishers.begin() + row);
    finish(doc);
}

void studentBecomesPublisher(CZelvoDoc& doc, int row, int month) {
    if (row <= 0 || row >= doc.recordCount() || month < 1 || month > 12) return;
    PublisherRecord& r = at(doc, row);
    if (r.kind() != kNonPublisher) return;
    const CalendarState& cal = doc.calendar;
    const auto flags = static_cast<std::uint8_t>(month * 16 + kMarkNew);
    r.setByte(PublisherRecord::kStatusFlags, flags);
    r.setByte(PublisherRecord::kStatusFlags2, flags);
    const int year = month - 1 > cal.reportMonth ? cal.reportYear - 1 : cal.reportYear;
    r.setWord(PublisherRecord::kStatusSince,
              static_cast<std::uint16_t>(absoluteMonth(year, month - 1)));
    // Every month starts empty; the conductor's name a student kept there goes too.
    std::fill(r.bytes.begin() + kMonthlyData, r.bytes.end(), Byte{0});
    std::fill_n(r.bytes.begin() + kPioneerCodes, kPioneerCodesSize, Byte{0});
    r.setKind(kPublisher);
    finish(doc);
}

}  // namespace zelvo::records
