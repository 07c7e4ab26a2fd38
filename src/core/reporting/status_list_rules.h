// The status lists: the sixteen lists of people by status, what each one includes and how its
// rows read. The status rules themselves are store/publisher_status.h; here each list only
// applies them to its source list, its second filter and its group.
#pragma once

#include <string>
#include <vector>

#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reporting {

// The codes, in the order of the dialog's first combo box.
enum class StatusList : int {
    NoReport,
    Irregular,
    NewPublishers,
    Reactivated,
    Inactive,
    Moved,
    Baptized,
    AuxiliaryPioneers,
    StudyConductors,
    Unbaptized,
    Students,
    CollectionForm,
    Privileges,
    Consent,
    NoConsent,
    CustomCategory,
};
inline constexpr int kStatusListCount = 16;

// What narrows a list besides its code: a combo box (a month or a period) or, for the baptism
// years and the privileges, the list box in place of the groups.
enum class FilterKind { None, Month, Period, Bands, Privileges };
FilterKind filterKind(StatusList list);
// The list box holds "Εκκλησία" and the groups.
bool hasGroupList(StatusList list);

// The privileges of the privileges list, in its order; the last two are offered only when an
// active publisher carries their mark.
enum class PrivilegeEntry {
    Servants,
    Elders,
    RegularPioneers,
    ContinuousAuxiliary,
    SpecialPioneers,
    FullTimeServants,
    FieldMissionaries,
};

// The codes the combo box offers: all but the custom category while it is turned off.
std::vector<StatusList> offeredLists(const CZelvoDoc& doc);
// The combo box's text of a list (UTF-8); the no-report list names the report month.
std::string listText(const CZelvoDoc& doc, StatusList list);
// The entries of the second filter (UTF-8), in the dialog's order; empty for None.
std::vector<std::string> filterEntries(const CZelvoDoc& doc, StatusList list);
// The entry a list opens on: the report month for the no-report list, else the first.
int defaultFilter(const CZelvoDoc& doc, StatusList list);
std::vector<PrivilegeEntry> privilegeEntries(const CZelvoDoc& doc);
// "Εκκλησία", then every group in use by its caption.
std::vector<std::string> groupEntries(const CZelvoDoc& doc);
// The list's tab stops in dialog units (a quarter of the average character width).
std::vector<int> tabStops(StatusList list);

struct StatusQuery {
    StatusList list = StatusList::NoReport;
    int filter = 0;  // entry of the second filter (a month index for the no-report list)
    int group = 0;   // 0 the whole congregation
};

struct StatusRow {
    int row = 0;       // row of the publisher table
    std::string text;  // UTF-8, the columns separated by tabs as on screen
};

// The rows of a list, in the order of its source list (active, inactive, moved or students).
// `today` counts the years since baptism.
std::vector<StatusRow> statusRows(const CZelvoDoc& doc, const StatusQuery& query,
                                  const Date& today);

// The telephones column of the no-report list and the collection form: the home number, and the
// mobile after a tab when there is one (alone when there is no home number).
std::string telephonesColumn(const CZelvoDoc& doc, int row);

// A stored date "MMDDYYYY" as "DD/MM/YYYY"; a text that is not a whole date, trimmed.
std::string dateShown(const std::string& stored);

}  // namespace zelvo::reporting
