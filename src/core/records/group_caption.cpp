#include "records/group_caption.h"

#include <algorithm>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/side_records.h"
#include "store/zelvo_doc.h"

namespace zelvo {

bool groupHasOwnName(const ServiceGroupTable& groups, int n) {
    if (n < 1 || n > ServiceGroupTable::kMaxGroups || groups.useLabel(n) == 0) return false;
    return groups.text(ServiceGroupTable::labelNameField(n)).size() > 1;
}

std::string groupCaption(const ServiceGroupTable& groups, int n) {
    if (groupHasOwnName(groups, n))
        return cp1253::toUtf8(groups.text(ServiceGroupTable::labelNameField(n)));
    return res::format(res::kGroupCaptionFormat, res::kGroupCaption, std::to_string(n));
}

std::string overseerTitle(const CZelvoDoc& doc, int n) {
    if (n < 1 || n > ServiceGroupTable::kMaxGroups) return {};
    const std::string name = doc.groups.text(ServiceGroupTable::overseerField(n));
    std::string_view line = res::kOverseerLine;
    if (name.find_first_not_of(' ') != std::string::npos) {
        for (const IndexEntry& e : doc.kindLists[kPublisher]) {
            const PublisherRecord& r = doc.publishers[e.recordIndex];
            if (r.firstName() + " " + r.lastName() != name) continue;
            const int code = r.privileges() & privilege::kCodeMask;
            line = code == privilege::kServant ? res::kServantLine
                   : code == privilege::kElder ? res::kOverseerLine
                                               : res::kGuideLine;
            break;
        }
    }
    return res::format(line, cp1253::toUtf8(name));
}

int groupsInUse(const ServiceGroupTable& groups) {
    return std::min<int>(groups.groupCount(), ServiceGroupTable::kMaxGroups);
}

}  // namespace zelvo
