// The history editor: corrects the stored values of past months directly, without the report
// form's collection rules. Person mode edits every stored value of one publisher's month
// (including those the report form hides); totals mode edits the congregation's monthly totals
// (MonthTotals) that the branch report history reads.
//
// Each mode works on a working copy: the fields are written into it before every change of
// month, year, person, category or mode; the copy reaches the document only when the person or
// the mode changes or the editor closes, and only when it differs from the live data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/publisher_record.h"
#include "store/side_records.h"

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::reporting {

enum class HistoryField {
    Placements,
    Videos,
    Hours,
    ReturnVisits,
    Studies,
    Credit,  // the pioneer credit; in totals mode the reports counted or the active publishers
    Remark,
    Auxiliary,
    Regular,
    Special,
    UnderOneHour,  // old report form
    Participated,  // new report form
    Late,          // "Καθυστερημένη Έκθεση"
    MonthAdvance,
    PersonAdvance,
    List,  // the people, or the categories in totals mode
    RegularTotals,
    SpecialTotals,
    Note,  // totals mode's note
};

// The categories of the totals mode, in the order of its list.
enum class TotalsCategory { Publishers, Auxiliary, Pioneers, Active };
std::string_view totalsCategoryName(TotalsCategory c);

// The values of a category's month in MonthTotals: the five report values (placements, videos,
// hours, return visits, Bible studies), then these; the active publishers only in category 0.
namespace totals_value {
inline constexpr int kActive = 5;
inline constexpr int kQuarters = 7;
inline constexpr int kReports = 8;
}  // namespace totals_value

// How the record card opens the editor: on one person (the list hidden; a student, whose month
// bytes hold the conductor's name, is never edited), or in totals mode.
struct HistoryPreset {
    int row = 0;            // 0: the active list, on its first person
    bool inactive = false;  // the row's years count from the year it became inactive
    std::optional<TotalsCategory> totals;
};

class HistoryModel {
public:
    // Opens the editor; the document must hold at least one person (recordCount 2).
    HistoryModel(CZelvoDoc& doc, UserPrompts& prompts, HistoryPreset preset = {});

    // --- the year, month and person lists ---
    std::vector<std::string> yearTexts() const;  // two years ago, last year, this year
    int yearPosition() const { return yearPos_; }
    void chooseYear(int position);
    std::vector<int> months() const;      // month indexes of the year chosen
    int month() const { return month_; }  // -1 while the year has no month to edit
    void chooseMonth(int monthIndex);
    int slot() const;
    int absoluteMonth() const;
    bool newForm() const;

    std::vector<std::string> listEntries() const;  // UTF-8
    int listPosition() const { return totalsMode_ ? static_cast<int>(category_) : personPos_; }
    void chooseListEntry(int position);
    int row() const { return row_; }

    // --- the fields ---
    std::string title() const;
    std::string text(HistoryField f) const;
    void type(HistoryField f, std::string_view typed);  // digits and '.' are kept
    void leaveHours();  // the fraction written back as .25, .5 or .75
    void leaveRemark(std::string_view typed);
    bool ticked(HistoryField f) const;
    void setTicked(HistoryField f, bool on);
    bool visible(HistoryField f) const;
    bool enabled(HistoryField f) const;
    std::string creditLabel() const;

    // --- totals mode ---
    bool totalsMode() const { return totalsMode_; }
    void setTotalsMode(bool on);
    TotalsCategory category() const { return category_; }

    // --- Enter ---
    // The fields Enter moves through, as they are shown now; Enter in the last one saves and
    // moves on (moveOn).
    std::vector<HistoryField> enterOrder() const;
    HistoryField firstField() const;
    void moveOn();

    // "Έγινε": saves the month and commits the working copy.
    void finish();

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    HistoryPreset preset_;
    std::vector<int> people_;  // rows of the list
    int personPos_ = 0;
    int row_ = 0;
    PublisherRecord work_{};

    int baseYear_ = 2000;  // four digits: the year of position 2
    int baseMonth_ = 0;
    int lastThisYear_ = -1;      // the last month of position 2's list
    bool oldBaseMonth_ = false;  // position 0 lists the base month too
    int yearPos_ = 2;
    int month_ = -1;

    // The fields of the month shown, and what they held when it was loaded.
    struct Controls {
        std::string texts[7];  // Placements .. Remark
        std::uint8_t kind = 0;
        bool underOneHour = false;
        bool participated = false;
        bool late = false;
        bool operator==(const Controls&) const = default;
    };
    Controls c_;
    Controls loaded_;
    bool lateShown_ = false;
    int remarkNumber_ = 0;
    bool monthAdvance_ = false;
    bool personAdvance_ = false;

    bool totalsMode_ = false;
    MonthTotals totals_{};
    TotalsCategory category_ = TotalsCategory::Publishers;
    int pioneerTick_ = 0;  // 0, 2 regular or 3 special

    std::string& field(HistoryField f) { return c_.texts[static_cast<int>(f)]; }
    const std::string& field(HistoryField f) const { return c_.texts[static_cast<int>(f)]; }
    std::vector<int> monthsOf(int position) const;
    void selectLatest();
    void takePerson(int position);
    void load();
    void loadPerson();
    void loadTotals();
    void save();
    void savePerson();
    void saveTotals();
    void commitPerson();
    void commitTotals();
    int editedCategory() const;  // the MonthTotals category written, -1 for none
};

}  // namespace zelvo::reporting
