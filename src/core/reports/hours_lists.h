// Who the hours reports and the service-year totals list, and the subtitle that says so.
#pragma once

#include <string>
#include <vector>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

enum class HoursList {
    Congregation,
    Group,
    RegularPioneers,    // regular pioneers in the report month
    AuxiliaryPioneers,  // auxiliary pioneers in any of the twelve months ending with it
    EldersAndServants,
    BaptizedBrothers,  // elders and ministerial servants among them
    CustomCategory,
};

struct HoursListArgs {
    HoursList list = HoursList::Congregation;
    int group = 0;  // for HoursList::Group
};

// The lists with a pioneer filter: their windows, averages and grids differ.
bool pioneerList(HoursList list);

// The active publishers the list takes, in active-list order.
std::vector<int> hoursListRows(const CZelvoDoc& doc, const HoursListArgs& args);

// "Εκκλησία", the group's name, or who the list holds; with " - " and the congregation's name
// when no group is chosen and the name is set (UTF-8).
std::string hoursListSubtitle(const CZelvoDoc& doc, const HoursListArgs& args);

}  // namespace zelvo::reports
