// A plausible congregation for trying the program, for tests and for benchmarks: people in
// households, elders and servants, groups, pioneers, 24 months of reports, remarks, late
// reports, attendance, contacts and needs. The same options always give the same bytes.
#pragma once

#include <string>

#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::demo {

struct DemoOptions {
    int people = 120;  // 0 .. 1,509
    unsigned seed = 1;
    Date today{2026, 12, 8};
    // Every side table at its capacity: 3,898 remarks, 600 contact extras, 1,000 emergency
    // contacts, 1,300 special needs, 1,500 appointments, 250 late reports. Meant for 1,509 people.
    bool fullSideTables = false;
};

// Writes a new congregation into `folder` (created when missing) through the core's writers.
// Refuses (false) a folder that already holds congregation data, so nothing is ever merged into
// or written over a real data folder. False too when a file could not be written.
bool writeDemoCongregation(const std::string& folder, const DemoOptions& options);

// The work of writeDemoCongregation without the final save: fills `doc`, freshly loaded from an
// empty data folder, and leaves it sorted and indexed. Emergency contacts, special needs and
// contact extras go to their files as they are made, as the program's editors do; everything
// else stays in memory until doc.saveAll. False when one of those files could not be written.
bool fillDemoCongregation(CZelvoDoc& doc, const DemoOptions& options);

}  // namespace zelvo::demo
