#include "reporting/collection_start_model.h"

#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

std::string forMonth(std::string_view pattern, int month) {
    return res::format(pattern, res::monthNameAccusative(month));
}

}  // namespace

CollectionStartModel::CollectionStartModel(const CZelvoDoc& doc)
    : day_(doc.calendar.calDay),
      reportAbsMonth_(doc.calendar.reportAbsMonth),
      earlyYear_(doc.calendar.earlyYear) {
    for (int m = 0; m < 12; ++m)
        states_[static_cast<std::size_t>(m)] = doc.header().collectionState(m);
    const int prev = (reportAbsMonth_ + 11) % 12;
    previousMode_ = states_[static_cast<std::size_t>(month())] == 0 &&
                    states_[static_cast<std::size_t>(prev)] == 1 && day_ <= 7;
}

std::string CollectionStartModel::title() {
    return std::string(res::kCollectionStartTitle);
}

std::string CollectionStartModel::suggestionText() {
    return std::string(res::kSuggestionText);
}

int CollectionStartModel::continueMonth() const {
    return previousMode_ ? (reportAbsMonth_ + 11) % 12 : month();
}

bool CollectionStartModel::continueVisible() const {
    const int state = states_[static_cast<std::size_t>(month())];
    return state == 2 || (state == 0 && previousMode_);
}

std::string CollectionStartModel::continueCaption() const {
    return forMonth(res::kReopenCaption, continueMonth());
}

std::string CollectionStartModel::initializeCaption() const {
    const bool started = states_[static_cast<std::size_t>(month())] != 0;
    return forMonth(started ? res::kRestartCaption : res::kInitializeCaption, month());
}

bool CollectionStartModel::earlyVisible() const {
    return day_ >= 25 && earlyYear_ == 0 && states_[static_cast<std::size_t>(month())] != 1;
}

std::string CollectionStartModel::earlyCaption() const {
    return forMonth(res::kInitializeCaption, next());
}

std::optional<std::string> CollectionStartModel::confirmation(Button button) const {
    if (button == Button::Continue) return std::nullopt;
    const bool early = button == Button::EarlyNextMonth;
    const int target = early ? next() : month();
    if (day_ > 5 && (states_[static_cast<std::size_t>(target)] != 0 || early))
        return forMonth(res::kInitializeConfirm, target);
    return std::nullopt;
}

CollectionStartModel::Result CollectionStartModel::opened(int absMonth,
                                                          std::array<std::uint8_t, 12> states,
                                                          bool initialize) const {
    Result r;
    r.month = absMonth % 12;
    r.year = absMonth / 12;
    r.initialize = initialize;
    states[static_cast<std::size_t>(r.month)] = 1;
    r.states = states;
    return r;
}

std::optional<CollectionStartModel::Result> CollectionStartModel::press(Button button) const {
    switch (button) {
        case Button::Continue:
            if (!continueVisible()) return std::nullopt;
            return opened(previousMode_ ? reportAbsMonth_ - 1 : reportAbsMonth_, states_, false);
        case Button::Initialize:
        case Button::EarlyNextMonth: {
            const bool early = button == Button::EarlyNextMonth;
            if (early && !earlyVisible()) return std::nullopt;
            // The dialog's month moves on with the early button: the month after next is reset.
            const int abs = early ? reportAbsMonth_ + 1 : reportAbsMonth_;
            auto states = states_;
            states[static_cast<std::size_t>(abs % 12)] = 0;
            states[static_cast<std::size_t>((abs + 1) % 12)] = 0;
            Result r = opened(abs, states, true);
            if (early) {
                r.early = true;
                r.earlyYear = (reportAbsMonth_ + 2) / 12;
                r.earlyMonth = (reportAbsMonth_ + 2) % 12 + 1;
            }
            return r;
        }
    }
    return std::nullopt;
}

}  // namespace zelvo::reporting
