#include "reports/record_card_model.h"

#include <algorithm>

#include "reports/record_totals_card.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

void drawCardOf(const CZelvoDoc& doc, const CardSet& cards, int card, const CardOptions& options,
                Surface& surface, int pageTop) {
    if (cards.totals)
        drawTotalsCard(doc, *cards.totals, options, surface, pageTop);
    else
        drawRecordCard(doc, cards.rows[static_cast<std::size_t>(card)], options, surface, pageTop);
}

RecordCardModel::RecordCardModel(const CZelvoDoc& doc) : doc_(doc) {
    fill(0, 0, 0);
}

std::string RecordCardModel::title() const {
    return std::string(res::kCardDialogTitle);
}

std::vector<std::string> RecordCardModel::entries() const {
    std::vector<std::string> out;
    if (totals_) {
        for (reporting::TotalsCategory c : kTotalsCards)
            out.emplace_back(reporting::totalsCategoryName(c));
        return out;
    }
    for (int row : rows_) out.push_back(cp1253::toUtf8(doc_.displayName(row)));
    return out;
}

int RecordCardModel::count() const {
    return totals_ ? static_cast<int>(kTotalsCards.size()) : static_cast<int>(rows_.size());
}

void RecordCardModel::choose(int position) {
    if (position >= 0 && position < count()) position_ = position;
}

int RecordCardModel::shownRow() const {
    return totals_ || position_ < 0 ? 0 : rows_[static_cast<std::size_t>(position_)];
}

void RecordCardModel::setInactive(bool on) {
    if (on == inactive_ || totals_) return;
    inactive_ = on;
    fill(0, 0, 0);
}

void RecordCardModel::setTotals(bool on) {
    if (on == totals_) return;
    totals_ = on;
    fill(0, 0, 0);
}

void RecordCardModel::refill(int id) {
    const bool person = !totals_ && position_ >= 0;
    fill(id, person ? ids_[static_cast<std::size_t>(position_)] : 0, position_);
}

void RecordCardModel::fill(int firstId, int secondId, int place) {
    rows_ = jobRows(inactive_);
    ids_.clear();
    for (int row : rows_) ids_.push_back(doc_.publishers[static_cast<std::size_t>(row)].id());
    const auto positionOf = [this](int id) {
        const auto it = std::find(ids_.begin(), ids_.end(), id);
        return totals_ || id == 0 || it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
    };
    position_ = positionOf(firstId);
    if (position_ < 0) position_ = positionOf(secondId);
    if (position_ < 0) position_ = count() == 0 ? -1 : std::clamp(place, 0, count() - 1);
}

std::vector<std::string> RecordCardModel::kindTexts() {
    return {std::string(res::kCardKindRecord), std::string(res::kPeriodSixMonths),
            std::string(res::kPeriodServiceYear), std::string(res::kPeriodTwelveMonths),
            std::string(res::kPeriodTwentyFourMonths)};
}

CardOptions RecordCardModel::options(bool screen) const {
    CardOptions o = cardOptions(doc_);
    o.kind = kind_;
    o.screen = screen;
    o.previousYear = previousYear_ && previousYearEnabled();
    if (screen) o.onePerPage = true;
    return o;
}

CardSet RecordCardModel::shownCard() const {
    CardSet set;
    if (totals_ && position_ >= 0)
        set.totals = kTotalsCards[static_cast<std::size_t>(position_)];
    else if (shownRow() != 0)
        set.rows = {shownRow()};
    return set;
}

std::vector<int> RecordCardModel::jobRows(bool inactiveList) const {
    std::vector<int> rows;
    for (const IndexEntry& e : doc_.kindLists[inactiveList ? kInactive : kPublisher])
        rows.push_back(e.recordIndex);
    return rows;
}

std::vector<int> RecordCardModel::rowsOf(const std::vector<int>& ids) const {
    std::vector<int> rows;
    for (int id : ids)
        if (const auto row = doc_.findById(id)) rows.push_back(*row);
    return rows;
}

reporting::HistoryPreset RecordCardModel::historyPreset() const {
    reporting::HistoryPreset preset;
    preset.row = shownRow();
    preset.inactive = inactive_;
    preset.totals = shownCard().totals;
    return preset;
}

}  // namespace zelvo::reports
