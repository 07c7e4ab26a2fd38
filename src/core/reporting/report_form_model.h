// The report form: one publisher's report for the report month or, as a late report, for one of
// the eleven months before it. The form edits a working copy of the person's whole record and
// commits it only when something changed; the remark alone is stored at once, as it is left.
//
// Which fields the form shows:
// - months of the old report form (up to September 2023) show all five counts (placements,
//   videos, hours, return visits, Bible studies) to everyone, and the "<1 ώ." tick while the
//   hours are empty or 0; that tick is the month's under-one-hour mark;
// - months of the new report form show the participated tick, the hours only to pioneers and
//   field missionaries who took part, the Bible studies to everyone who took part; placements,
//   videos and return visits are hidden and keep what they hold.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/publisher_record.h"

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::reporting {

// The controls of the form, for visibility, texts and the focus order.
enum class FormField {
    Placements,
    Videos,
    Hours,
    ReturnVisits,
    Studies,
    UnderOneHour,  // "<1 ώ.", old report form
    Participated,  // "Συμμετείχε στη Διακονία", new report form
    Auxiliary,     // "Βοηθ. Σκαπανέας"
    PioneerLabel,  // "Τακτικός Σκαπανέας", "Ειδικός Σκαπανέας" or "Ιεραπόσλος" in its place
    CreditLabel,
    GroupLabel,
    RemarkButton,  // "Παρατηρήσεις"
    Remark,        // the remark field, shown over the month button while it is edited
    MonthButton,   // "Αλλαγή &Μήνα (Καθ/μένη έκθεση)"
    MonthList,     // the twelve months, with its own OK
    Ok,
    Cancel,
};

// A pioneer's credit hours for a month (the rule of the regular pioneers' credit): `credit` the
// credit so far, `hours` the whole hours, `remark` the month's remark (Windows-1253, trimmed; it
// gains "N +Ώρες" when a credit stands without one), `absoluteMonth` the month's own absolute
// month (from March 2023 the credit tops up to 55 hours instead of 75).
int pioneerCredit(int credit, int hours, std::string& remark, int absoluteMonth);

// The hours field's fraction: the one digit after the first '.' chooses .25 (0-3 or none), .5
// (4-6) or .75 (7-9). Whole hours and quarters (0-3) of a text; nothing when the whole part is
// no number (or above 65535).
struct TypedHours {
    int whole = 0;
    int quarters = 0;
};
std::optional<TypedHours> parseHours(std::string_view text);
// The hours as the field shows them: "7", "7.25", "7.5", "7.75".
std::string hoursText(TypedHours h);

class ReportFormModel {
public:
    static constexpr int kRemarkTyped = 36;  // characters of a remark typed in the form

    // Opens the form for `row` on the report month. A full remark table is told through
    // `prompts` (the month then keeps no new remark).
    ReportFormModel(CZelvoDoc& doc, int row, UserPrompts& prompts);

    // --- texts (UTF-8) ---
    std::string title() const;  // the name, first name first; also the name label
    std::string monthLabel() const;
    static std::vector<std::string> monthNames();
    std::string heading(FormField count) const;
    std::string pioneerLabel() const;
    std::string privilegeLabel() const;
    std::string groupLabel() const;
    std::string creditLabel() const;
    std::string note() const;
    std::string text(FormField count) const;  // one of the five count fields
    std::string remark() const;
    static std::string tooltip(FormField f);  // "<1 ώ." and the participated tick

    // --- state ---
    bool visible(FormField f) const;
    bool participated() const { return participated_; }
    bool underOneHour() const { return participated_; }
    bool auxiliary() const { return (kind_ & 3) == 1; }
    int credit() const { return credit_; }
    int month() const { return month_; }
    int slot() const { return slot_; }
    int absoluteMonth() const { return absMonth_; }
    bool newForm() const;
    bool late() const;
    // The changes will not be counted in the report month's branch totals.
    bool excluded() const;
    // The controls that take the focus, in order, as they are shown now.
    std::vector<FormField> focusOrder() const;
    // Where the focus goes after the month list or the remark: the participated tick on the new
    // report form, else the placements.
    FormField firstField() const;
    // Enter saves on OK and in the Bible-studies field; elsewhere it moves to the next control.
    static bool enterSaves(FormField f) { return f == FormField::Ok || f == FormField::Studies; }
    // Where the Left (`right` false) or Right arrow moves the focus from a count field: the
    // previous or next control, the Bible studies and the first field leading into each other.
    FormField arrowTarget(FormField from, bool right) const;
    // The longest remark the field takes: 36 characters, or the remark as loaded when longer.
    int remarkMaxLength() const;

    // --- input ---
    // Typing into a count field: only digits and '.' are kept.
    void type(FormField count, std::string_view typed);
    // A space in a count field: the field becomes "0".
    void pressSpace(FormField count);
    // Leaving the hours field: the fraction is written back as .25/.5/.75 and the credit
    // recomputed with the hours typed.
    void leaveHours();
    void setParticipated(bool on);
    void setUnderOneHour(bool on) { setParticipated(on); }
    void setAuxiliary(bool on);

    // The month change for late reports.
    void showMonthList();
    bool monthListShown() const { return monthListShown_; }
    // Makes `monthIndex` the form's month and loads it from the working copy; what was typed for
    // the previous month and not saved is dropped.
    void chooseMonth(int monthIndex);
    void closeMonthList();

    // The remark: shown for editing, then left with the text typed (UTF-8).
    void openRemark();
    bool remarkOpen() const { return remarkOpen_; }
    void leaveRemark(std::string_view typed);

    // --- OK ---
    struct Refusal {
        FormField field;
        std::string message;  // UTF-8
    };
    // The first refused value, or nothing.
    std::optional<Refusal> validate() const;
    // Validates, then commits when something changed. A refusal keeps the form open with
    // nothing committed.
    std::optional<Refusal> accept();
    // Whether accept committed a change (for the publisher list's refresh).
    bool committed() const { return committed_; }

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    int row_;
    PublisherRecord work_;
    int month_ = 0;
    int slot_ = 0;
    int absMonth_ = 0;

    // The fields of the month shown.
    std::string counts_[5];
    bool participated_ = false;
    std::uint8_t kind_ = 0;  // the pioneer-kind byte as the form shows it
    int credit_ = 0;
    std::string remark_;       // Windows-1253, trimmed
    std::string remarkShown_;  // the remark as the field last showed it
    int remarkNumber_ = 0;
    bool remarkChanged_ = false;
    int loadedHours_ = 0;  // whole hours of the month as loaded
    int loadedQuarters_ = 0;
    bool loadedReport_ = false;
    bool hoursTyped_ = false;  // typed since the hours field was last left
    bool monthListShown_ = false;
    bool remarkOpen_ = false;
    bool committed_ = false;

    void loadMonth();
    void applyParticipatedRule();
    void computeCredit(int hours);
    int hoursNumber() const;
    bool reportEntered() const;  // the month held a report when it was loaded
    bool fieldMissionary() const;
    bool specialPioneer() const;
    static int countIndex(FormField f);
    std::string& field(FormField f) { return counts_[countIndex(f)]; }
    const std::string& field(FormField f) const { return counts_[countIndex(f)]; }
    void writeMonth();
};

}  // namespace zelvo::reporting
