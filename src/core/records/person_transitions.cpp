#include "records/person_transitions.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

#include "records/publisher_table.h"
#include "records/reactivation.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

// The moved-while-inactive marker: the first two bytes of the consent date.
constexpr std::size_t kMarker = PublisherRecord::kConsentDate.offset;
constexpr std::size_t kSavedMonth = kMarker + 1;
constexpr Byte kMovedWhileInactive = 'I';

constexpr std::uint8_t kKeptOnRemoval =
    privilege::kHeadOfFamily | privilege::kMale | privilege::kFemale;
constexpr std::uint8_t kLostOnInactive =
    privilege::kCustomCategory | privilege::kLeftOutOfGroupLists;

PublisherRecord& at(CZelvoDoc& doc, int row) {
    return doc.publishers[static_cast<std::size_t>(row)];
}
const PublisherRecord& at(const CZelvoDoc& doc, int row) {
    return doc.publishers[static_cast<std::size_t>(row)];
}

int peopleOfKind(const CZelvoDoc& doc, int kind) {
    return static_cast<int>(
        std::count_if(doc.publishers.begin() + 1, doc.publishers.end(),
                      [kind](const PublisherRecord& r) { return r.kind() == kind; }));
}

std::string_view listName(int kind) {
    switch (kind) {
        case kPublisher:
            return res::kPublishersListName;
        case kInactive:
            return res::kInactiveListName;
        case kNonPublisher:
            return res::kStudentsListName;
        case kMoved:
            return res::kMovedListName;
        case kDeleted:
            return res::kDeletedListName;
        default:
            return res::kOverseerListName;
    }
}

// Nothing when the row holds a person of one of `kinds`; otherwise why not.
Refusal wrongPerson(const CZelvoDoc& doc, int row, std::initializer_list<int> kinds) {
    if (row <= 0 || row >= doc.recordCount()) return std::string(res::kNoSuchPerson);
    const int kind = at(doc, row).kind();
    if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) return std::nullopt;
    return res::format(res::kNotForThisList, personName(doc, row), listName(kind));
}

// The list of `kind` takes at most `limit` people.
Refusal fullList(const CZelvoDoc& doc, int kind, int limit) {
    if (peopleOfKind(doc, kind) < limit) return std::nullopt;
    return res::format(res::kListFull, listName(kind), std::to_string(limit));
}

Refusal firstOf(Refusal a, const std::function<Refusal()>& b) {
    return a ? a : b();
}

void finish(CZelvoDoc& doc) {
    doc.countAllKinds();
    doc.buildIndexes();
    doc.markModified();
}

bool validMonth(int month) {
    return month >= 1 && month <= 12;
}

std::uint8_t statusByte(int month, int code) {
    return static_cast<std::uint8_t>(month * 16 + code);
}

// The move dropped the link to the person's contact extra (e-mail, full name); the record itself
// stays in the file under the person's id, so the return finds it again rather than losing it.
void relinkContactExtra(CZelvoDoc& doc, PublisherRecord& r) {
    if (r.extraIndex() != 0) return;
    for (std::size_t n = 1; n < doc.contactExtras.size(); ++n)
        if (doc.contactExtras[n].publisherId() == r.id()) {
            r.setWord(PublisherRecord::kExtraIndex, static_cast<std::uint16_t>(n));
            return;
        }
}

}  // namespace

std::string personName(const CZelvoDoc& doc, int row) {
    return cp1253::toUtf8(doc.displayName(row));
}

Refusal canMoveToInactive(const CZelvoDoc& doc, int row) {
    return firstOf(wrongPerson(doc, row, {kPublisher}),
                   [&] { return fullList(doc, kInactive, kInactiveListLimit); });
}

Refusal canReactivate(const CZelvoDoc& doc, int row) {
    return wrongPerson(doc, row, {kInactive});
}

Refusal canRemoveToDeleted(const CZelvoDoc& doc, int row) {
    return firstOf(wrongPerson(doc, row, {kPublisher, kInactive}),
                   [&] { return fullList(doc, kDeleted, kDeletedListLimit); });
}

Refusal canRestore(const CZelvoDoc& doc, int row) {
    return wrongPerson(doc, row, {kDeleted});
}

Refusal canMoveAway(const CZelvoDoc& doc, int row) {
    return firstOf(wrongPerson(doc, row, {kPublisher, kInactive}),
                   [&] { return fullList(doc, kMoved, kMovedListLimit); });
}

Refusal canUndoMove(const CZelvoDoc& doc, int row) {
    return firstOf(wrongPerson(doc, row, {kMoved}), [&]() -> Refusal {
        // Back to the inactive list: it must have room, as for any move into it.
        if (!movedWhileInactive(at(doc, row))) return std::nullopt;
        return fullList(doc, kInactive, kInactiveListLimit);
    });
}

Refusal canDeletePermanently(const CZelvoDoc& doc, int row) {
    return wrongPerson(doc, row, {kPublisher, kInactive, kNonPublisher, kMoved, kDeleted});
}

void moveToInactive(CZelvoDoc& doc, int row, int month, int year) {
    if (canMoveToInactive(doc, row) || !validMonth(month)) return;
    PublisherRecord& r = at(doc, row);
    r.setByte(PublisherRecord::kStatusFlags, statusByte(month, 0));
    r.setByte(PublisherRecord::kStatusFlags2, inactiveYearCode(year));
    r.setByte(PublisherRecord::kPrivileges,
              static_cast<std::uint8_t>(r.privileges() & ~kLostOnInactive));
    r.setKind(kInactive);
    finish(doc);
}

void removeToDeleted(CZelvoDoc& doc, int row, int month, int year) {
    if (canRemoveToDeleted(doc, row) || month < 0 || month > 12 || year < 1950) return;
    PublisherRecord& r = at(doc, row);
    r.setByte(PublisherRecord::kStatusFlags, 0);
    r.setByte(PublisherRecord::kPrivileges,
              static_cast<std::uint8_t>(r.privileges() & kKeptOnRemoval));
    r.setKind(kDeleted);
    r.setWord(PublisherRecord::kStatusSince,
              static_cast<std::uint16_t>((year - 1950) * 256 + month));
    const std::uint16_t id = r.id();
    clearHouseholdLinksTo(doc, id);
    removeAppointmentsOf(doc, id);
    finish(doc);
}

void moveAway(CZelvoDoc& doc, int row, int month) {
    if (canMoveAway(doc, row) || !validMonth(month)) return;
    PublisherRecord& r = at(doc, row);
    if (r.kind() == kInactive) {
        r.bytes[kMarker] = kMovedWhileInactive;
        r.bytes[kSavedMonth] = static_cast<Byte>(statusMonth(r.statusFlags()));
    }
    r.setByte(PublisherRecord::kStatusFlags, statusByte(month, 0));
    r.setWord(PublisherRecord::kExtraIndex, 0);
    r.setWord(PublisherRecord::kHouseholdKey, 0);
    r.setKind(kMoved);
    finish(doc);
}

bool movedWhileInactive(const PublisherRecord& r) {
    return r.bytes[kMarker] == kMovedWhileInactive;
}

void undoMove(CZelvoDoc& doc, int row, int month, bool regular) {
    if (canUndoMove(doc, row)) return;
    PublisherRecord& r = at(doc, row);
    if (movedWhileInactive(r)) {
        r.setByte(PublisherRecord::kStatusFlags, statusByte(r.bytes[kSavedMonth] & 0x0F, 0));
        r.bytes[kMarker] = 0;
        r.bytes[kSavedMonth] = 0;
        r.setKind(kInactive);
    } else {
        if (!validMonth(month)) return;
        const std::uint8_t flags = statusByte(month, regular ? kMarkTransferred : 0);
        r.setByte(PublisherRecord::kStatusFlags, flags);
        r.setByte(PublisherRecord::kStatusFlags2, flags);
        r.setKind(kPublisher);
    }
    relinkContactExtra(doc, r);
    finish(doc);
}

std::string monthQuestion(std::string_view nameUtf8, std::string_view verbUtf8) {
    std::string text(res::kMonthThat);
    text += ' ';
    text += nameUtf8;
    text += ' ';
    text += verbUtf8;
    return text;
}

std::string monthQuestion(const CZelvoDoc& doc, int row, std::string_view verbUtf8) {
    return monthQuestion(personName(doc, row), verbUtf8);
}

}  // namespace zelvo::records
