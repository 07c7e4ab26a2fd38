#include "store/under_hour_file.h"

#include <algorithm>
#include <unordered_map>

#include "store/side_records.h"
#include "store/zelvo_doc.h"

namespace zelvo {

void applyUnderHourRecords(CZelvoDoc& doc, const Bytes& file) {
    std::unordered_map<std::uint16_t, std::size_t> rowOfId;
    for (std::size_t row = 1; row < doc.publishers.size(); ++row)
        rowOfId.try_emplace(doc.publishers[row].id(), row);
    for (std::size_t at = 0; at + UnderHourRecord::kSize <= file.size();
         at += UnderHourRecord::kSize) {
        UnderHourRecord u;
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at), UnderHourRecord::kSize,
                    u.bytes.begin());
        const auto it = rowOfId.find(u.publisherId());
        if (it == rowOfId.end()) continue;
        PublisherRecord& r = doc.publishers[it->second];
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 2; ++s) {
                if (!u.flag(m, s) || r.hours(m, s) != 0 || r.quarters(m, s) != 0) continue;
                r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                               static_cast<std::uint16_t>(r.studiesAndFlags(m, s) | kTookPart));
            }
    }
}

bool moveUnderHourMarks(CZelvoDoc& doc, Bytes& file) {
    file.clear();
    bool anyMark = false;
    for (std::size_t row = 1; row < doc.publishers.size() && !anyMark; ++row)
        for (int m = 0; m < 12 && !anyMark; ++m)
            for (int s = 0; s < 3 && !anyMark; ++s) anyMark = doc.publishers[row].tookPart(m, s);
    if (!anyMark) return false;
    const CalendarState& cal = doc.calendar;
    for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
        PublisherRecord& r = doc.publishers[row];
        UnderHourRecord u;
        u.setPublisherId(r.id());
        bool moved = false;
        for (int s = 0; s < 2; ++s)
            for (int m = 0; m < 12; ++m) {
                if (!r.tookPart(m, s)) continue;
                if (cal.absoluteMonthOf(m, s) > kLastOldFormMonth && m <= cal.reportMonth) continue;
                u.setFlag(m, s);
                r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                               static_cast<std::uint16_t>(r.studiesAndFlags(m, s) & ~kTookPart));
                moved = true;
            }
        if (moved) file.insert(file.end(), u.bytes.begin(), u.bytes.end());
    }
    return true;
}

}  // namespace zelvo
