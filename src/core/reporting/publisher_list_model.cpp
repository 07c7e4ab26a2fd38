#include "reporting/publisher_list_model.h"

#include "records/group_caption.h"
#include "resources/strings.h"
#include "store/branch_totals.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

std::string hoursText(std::uint32_t hours, std::uint32_t quarters) {
    return std::to_string(hours + quarters / 4) +
           std::string(res::quarterSuffix(static_cast<int>(quarters % 4)));
}

}  // namespace

PublisherListModel::PublisherListModel(CZelvoDoc& doc) : doc_(doc) {
    groups_.emplace_back(res::kCongregation);
    for (int n = 1; n <= groupsInUse(doc_.groups); ++n) {
        if (doc_.groups.useLabel(n) != 0) {
            groups_.push_back(groupCaption(doc_.groups, n));
            continue;
        }
        const std::string overseer =
            cp1253::toUtf8(doc_.groups.text(ServiceGroupTable::overseerField(n)));
        groups_.push_back(std::string(res::kGroupWord) + " " + std::to_string(n) +
                          std::string(res::kNameJoin) + overseer);
    }
    refill();
    computeBranchTotals(doc_, false);
    const int afterNext = (doc_.calendar.reportAbsMonth + 2) % 12;
    if (doc_.header().collectionState(afterNext) != 0) {
        doc_.header().setCollectionState(afterNext, 0);
        doc_.markModified();
    }
}

std::string PublisherListModel::title() const {
    const auto& cal = doc_.calendar;
    return res::format(res::kCollectionListTitle, res::monthName(cal.reportMonth)) +
           res::format(res::kBranchActiveFormat,
                       std::to_string(doc_.kindLists[kPublisher].size())) +
           std::string(res::kActiveWord);
}

std::string PublisherListModel::closeCaption() const {
    return res::format(res::kCloseCollectionCaption,
                       res::monthNameAccusative(doc_.calendar.reportMonth));
}

std::string PublisherListModel::lastPerson() const {
    if (doc_.lastEnteredId <= 0) return {};
    const auto row = doc_.findById(doc_.lastEnteredId);
    return row ? cp1253::toUtf8(doc_.displayName(*row)) : std::string();
}

std::string PublisherListModel::importLabel() const {
    return res::format(res::kImportReportsLabel, res::monthNameGenitive(doc_.calendar.reportMonth));
}

void PublisherListModel::chooseGroup(int index) {
    if (index < 0 || index >= static_cast<int>(groups_.size())) return;
    group_ = index;
    refill();
}

void PublisherListModel::setUnreportedOnly(bool on) {
    unreportedOnly_ = on;
    refill();
}

void PublisherListModel::select(int position) {
    if (position >= 0 && position < static_cast<int>(entries_.size())) selected_ = position;
}

std::optional<int> PublisherListModel::selectedRow() const {
    if (selected_ < 0) return std::nullopt;
    return entries_[static_cast<std::size_t>(selected_)].row;
}

void PublisherListModel::refill() {
    const auto& cal = doc_.calendar;
    const int month = cal.reportMonth;
    const int slot = cal.reportSlot();
    const bool lastNameFirst = doc_.settings.languageOption == 0;
    entries_.clear();
    for (const IndexEntry& e : doc_.kindLists[kPublisher]) {
        const int row = e.recordIndex;
        if (unreportedOnly_ &&
            (doc_.hasReport(row, month, slot) || doc_.hasRemark(row, month, slot)))
            continue;
        if (group_ > 0 && doc_.publishers[e.recordIndex].groupNumber() != group_) continue;
        entries_.push_back({cp1253::toUtf8(doc_.displayName(row, lastNameFirst)), row});
    }
    if (entries_.empty())
        selected_ = -1;
    else if (selected_ < 0 || selected_ >= static_cast<int>(entries_.size()))
        selected_ = 0;
}

void PublisherListModel::refresh() {
    computeBranchTotals(doc_, false);
    if (unreportedOnly_) refill();
}

void PublisherListModel::closeCollection() {
    doc_.header().setCollectionState(doc_.calendar.reportMonth, 2);
    doc_.markModified();
}

PublisherListModel::Grid PublisherListModel::totalsGrid() const {
    return totalsGrid(doc_.reportTotals, doc_.calendar.newReportForm != 0);
}

PublisherListModel::Grid PublisherListModel::totalsGrid(const ReportTotals& t, bool newForm) {
    Grid g{};
    g[0] = {"",
            std::string(res::kGridReportsCounted),
            std::string(res::kHeadingPlacements),
            std::string(res::kHeadingVideos),
            std::string(res::kHeadingHours),
            std::string(res::kHeadingReturnVisits),
            std::string(res::kHeadingStudies)};
    const std::string_view categories[] = {res::kCategoryPublishers, res::kCategoryAuxiliary,
                                           res::kCategoryRegular};
    std::array<std::uint64_t, 5> sums{};
    std::uint64_t counted = 0;
    std::uint64_t wholeHours = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        auto& line = g[k + 1];
        line[0] = categories[k];
        line[1] = std::to_string(t[k][8]);
        counted += t[k][8];
        for (std::size_t v = 0; v < 5; ++v) {
            sums[v] += t[k][v];
            line[v + 2] = v == 2 ? hoursText(t[k][2], t[k][7]) : std::to_string(t[k][v]);
        }
        wholeHours += t[k][2] + t[k][7] / 4;
    }
    auto& totals = g[kTotalsRow];
    totals[0] = res::kCategoryTotals;
    totals[1] = std::to_string(counted);
    for (std::size_t v = 0; v < 5; ++v)
        totals[v + 2] = std::to_string(v == 2 ? wholeHours : sums[v]);
    // The new report form asks for hours of pioneers only, and no placements, videos or return
    // visits.
    if (newForm) {
        for (auto& line : g)
            for (const std::size_t column : {2u, 3u, 5u}) line[column].clear();
        g[1][4].clear();
    }
    return g;
}

}  // namespace zelvo::reporting
