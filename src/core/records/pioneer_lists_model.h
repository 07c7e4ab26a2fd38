// The monthly pioneer lists: for one month of the last three years, the active publishers who
// were auxiliary (or regular, or special) pioneers that month on the left and those who were
// none on the right, moved across one at a time.
#pragma once

#include <string>
#include <vector>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// The monthly pioneer code of each mode.
enum class PioneerMode { Auxiliary = 1, Regular = 2, Special = 3 };

class PioneerListsModel {
public:
    struct Entry {
        int row = 0;
        std::string name;  // UTF-8
    };

    // Auxiliary or Regular, as the command opened it; the report month selected.
    PioneerListsModel(CZelvoDoc& doc, PioneerMode mode);

    PioneerMode mode() const { return mode_; }
    // The "Ειδικοί Σκαπανείς" tick of the regular list switches to special pioneers and back.
    bool specialTickVisible() const { return openedAs_ == PioneerMode::Regular; }
    void setSpecial(bool on);
    static std::string specialTickText();

    // Two-digit years: the report year - 2 up to the report year.
    std::vector<int> years() const;
    int year() const { return year_; }
    // Keeps the month when the new year lists it, otherwise takes the year's last month.
    void setYear(int twoDigitYear);
    // Month indexes (0 = January) the chosen year lists: up to the report month in the report
    // year, after it in the oldest year.
    std::vector<int> months() const;
    int month() const { return month_; }
    void setMonth(int monthIndex);  // ignored unless listed

    // "Βοηθητικοί Σκαπανείς - Μάρτιος 25 ( 3 )" (UTF-8).
    std::string title() const;
    const std::vector<Entry>& listed() const { return listed_; }  // the mode's code
    const std::vector<Entry>& others() const { return others_; }  // code 0
    // The middle button's caption with the chosen name beneath it.
    static std::string addText(const std::string& name);
    static std::string removeText(const std::string& name);

    // Sets the month's code of the person at `row` (one of others()) to the mode's code, or
    // clears it (one of listed()); marks the data modified. Removing an auxiliary or special
    // pioneer of the report month also clears the continuous-auxiliary tick. False when the
    // row is not in the list it is taken from.
    bool add(int row);
    bool remove(int row);

private:
    CZelvoDoc& doc_;
    PioneerMode openedAs_;
    PioneerMode mode_;
    int year_ = 0;
    int month_ = 0;
    std::vector<Entry> listed_;
    std::vector<Entry> others_;

    int slot() const;
    void refresh();
    bool setCode(int row, int from, int to);
};

}  // namespace zelvo::records
