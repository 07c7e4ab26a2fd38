#include "records/report_options_model.h"

#include <cstdio>

#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

constexpr int kLastEntry = MarginList::kEntries - 1;

// The display bytes each of the first three ticks stands for.
constexpr std::array<std::size_t, 3> kDisplayBytes = {0, 5, 6};

// The settings field of each tick after the first three.
constexpr std::array<int Settings::*, kLayoutTickCount - 3> kTickFields = {
    &Settings::labelBirthDate,     &Settings::labelAlternative, &Settings::reportGridLines,
    &Settings::reportNoSlipFields, &Settings::reportDate,       &Settings::emergJw,
};

}  // namespace

MarginList::MarginList(int value) : value_(value < 0 || value > kLastEntry ? 0 : value) {}

std::string MarginList::entryText(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

void MarginList::select(int value) {
    if (value >= 0 && value <= kLastEntry) value_ = value;
    typed_ = 0;
}

void MarginList::typeDigit(int digit) {
    if (digit < 0 || digit > 9) return;
    typed_ = typed_ * 10 + digit;
    if (typed_ > kLastEntry) typed_ = digit;
    value_ = typed_;
}

void MarginList::up() {
    value_ = value_ == 0 ? kLastEntry : value_ - 1;
    typed_ = 0;
}

void MarginList::down() {
    value_ = value_ == kLastEntry ? 0 : value_ + 1;
    typed_ = 0;
}

LayoutOptionsModel::LayoutOptionsModel(CZelvoDoc& doc)
    : topMargin(doc.settings.reportTopMargin),
      labelMargin(doc.settings.labelLeftMargin),
      congregationName(cp1253::toUtf8(doc.settings.congregationName)),
      doc_(doc) {
    for (std::size_t i = 0; i < kDisplayBytes.size(); ++i)
        ticks_[i] = doc.displayConfig.bytes[kDisplayBytes[i]] == 1;
    for (std::size_t i = 0; i < kTickFields.size(); ++i)
        ticks_[i + kDisplayBytes.size()] = doc.settings.*kTickFields[i] != 0;
}

void LayoutOptionsModel::setTick(LayoutTick t, bool on) {
    ticks_[index(t)] = on;
    if (t == LayoutTick::LabelAlternative && on) ticks_[index(LayoutTick::LabelBirthDate)] = true;
    if (t == LayoutTick::LabelBirthDate && !on) ticks_[index(LayoutTick::LabelAlternative)] = false;
}

bool LayoutOptionsModel::tickVisible(LayoutTick t) const {
    return t != LayoutTick::LastNameFirst || doc_.settings.languageOption == 0;
}

std::string_view LayoutOptionsModel::tickText(LayoutTick t) {
    static constexpr std::array<std::string_view, kLayoutTickCount> texts = {
        res::kLayoutLastNameFirst,  res::kLayoutAlternativeDate,  res::kLayoutBirthStatistics,
        res::kLayoutLabelBirthDate, res::kLayoutLabelAlternative, res::kLayoutGridLines,
        res::kLayoutNoSlipFields,   res::kLayoutPrintDate,        res::kLayoutEmergJw,
    };
    return texts[index(t)];
}

Settings LayoutOptionsModel::storedSettings() const {
    Settings s = doc_.settings;
    for (std::size_t i = 0; i < kTickFields.size(); ++i)
        s.*kTickFields[i] = ticks_[i + kDisplayBytes.size()] ? 1 : 0;
    s.reportTopMargin = topMargin.value();
    s.labelLeftMargin = labelMargin.value();
    std::string name(trimmed(cp1253::fromUtf8(congregationName)));
    if (name.size() > kCongregationNameMax)
        name = std::string(trimmed(name.substr(0, kCongregationNameMax)));
    s.congregationName = name;
    return s;
}

std::array<bool, 3> LayoutOptionsModel::storedDisplayBytes() const {
    return {ticks_[0], ticks_[1], ticks_[2]};
}

bool LayoutOptionsModel::hasChanges() const {
    bool displayChanged = false;
    const auto bytes = storedDisplayBytes();
    for (std::size_t i = 0; i < kDisplayBytes.size(); ++i)
        displayChanged |= (doc_.displayConfig.bytes[kDisplayBytes[i]] == 1) != bytes[i];
    return displayChanged || storedSettings() != doc_.settings;
}

bool LayoutOptionsModel::store() {
    if (!hasChanges()) return false;
    doc_.settings = storedSettings();
    const auto bytes = storedDisplayBytes();
    for (std::size_t i = 0; i < kDisplayBytes.size(); ++i)
        doc_.displayConfig.bytes[kDisplayBytes[i]] = bytes[i] ? 1 : 0;
    doc_.markModified();
    return true;
}

RecordCardOptionsModel::RecordCardOptionsModel(CZelvoDoc& doc)
    : printGroups(doc.settings.printGroups != 0),
      onePerPage(doc.settings.onePerPage != 0),
      hideBirthDates(doc.settings.hideBirthDates != 0),
      doc_(doc),
      hideAverages_(doc.settings.hideAverages) {}

void RecordCardOptionsModel::setHidden(HiddenBit bit, bool on) {
    hideAverages_ = on ? (hideAverages_ | bit) : (hideAverages_ & ~bit);
}

bool RecordCardOptionsModel::store() {
    Settings s = doc_.settings;
    s.printGroups = printGroups ? 1 : 0;
    s.onePerPage = onePerPage ? 1 : 0;
    s.hideBirthDates = hideBirthDates ? 1 : 0;
    s.hideAverages = hideAverages_;
    if (s == doc_.settings) return false;
    doc_.settings = s;
    doc_.markModified();
    return true;
}

}  // namespace zelvo::records
