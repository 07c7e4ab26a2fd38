#include "reports/group_captions.h"

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

std::string groupText(const CZelvoDoc& doc, TextField field) {
    return cp1253::toUtf8(doc.groups.text(field));
}

}  // namespace

bool groupHasOwnName(const CZelvoDoc& doc, int n) {
    if (n < 1 || n > ServiceGroupTable::kMaxGroups || doc.groups.useLabel(n) == 0) return false;
    return doc.groups.text(ServiceGroupTable::labelNameField(n)).size() > 1;
}

std::string groupCaption(const CZelvoDoc& doc, int n) {
    if (groupHasOwnName(doc, n)) return groupText(doc, ServiceGroupTable::labelNameField(n));
    return std::string(res::kGroupCaption) + " " + std::to_string(n);
}

std::string overseerTitle(const CZelvoDoc& doc, int n) {
    if (n < 1 || n > ServiceGroupTable::kMaxGroups) return {};
    const std::string name = doc.groups.text(ServiceGroupTable::overseerField(n));
    int line = res::kOverseerLine;
    if (name.find_first_not_of(' ') != std::string::npos) {
        for (const IndexEntry& e : doc.kindLists[kPublisher]) {
            const PublisherRecord& r = doc.publishers[e.recordIndex];
            if (r.firstName() + " " + r.lastName() != name) continue;
            const int privilege = r.privileges() & 0x03;
            line = privilege == 1   ? res::kServantLine
                   : privilege == 2 ? res::kOverseerLine
                                    : res::kGuideLine;
            break;
        }
    }
    return res::format(res::text(line), cp1253::toUtf8(name));
}

}  // namespace zelvo::reports
