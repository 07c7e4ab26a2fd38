#include "records/group_caption.h"

#include <algorithm>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/side_records.h"

namespace zelvo {

std::string groupCaption(const ServiceGroupTable& groups, int n) {
    if (n >= 1 && n <= ServiceGroupTable::kMaxGroups && groups.useLabel(n) != 0) {
        const std::string label = groups.text(ServiceGroupTable::labelNameField(n));
        if (label.size() > 1) return cp1253::toUtf8(label);
    }
    return res::fillPrintf(res::kGroupCaptionFormat, res::kGroupCaption, n);
}

int groupsInUse(const ServiceGroupTable& groups) {
    return std::min<int>(groups.groupCount(), ServiceGroupTable::kMaxGroups);
}

}  // namespace zelvo
