#include "reporting/status_list_model.h"

#include <algorithm>

#include "records/group_caption.h"
#include "records/person_transitions.h"
#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

using L = StatusList;

std::string trimmedUtf8(const std::string& cp1253Text) {
    return std::string(trimmed(cp1253::toUtf8(cp1253Text)));
}

std::string overseerName(const CZelvoDoc& doc, int group) {
    if (group < 1 || group > ServiceGroupTable::kMaxGroups) return {};
    return trimmedUtf8(doc.groups.text(ServiceGroupTable::overseerField(group)));
}

Contact contactOf(const CZelvoDoc& doc, int row) {
    Contact c;
    c.name = records::personName(doc, row);
    for (const std::string& n : {doc.phoneHome(row), doc.phoneMobile(row), doc.phoneWork(row)})
        if (!trimmed(n).empty()) c.numbers.push_back(trimmedUtf8(n));
    c.email = trimmedUtf8(doc.emailOf(row));
    return c;
}

// The overseer as an active publisher of that name, else the name alone.
Contact overseerContact(const CZelvoDoc& doc, int group) {
    const std::string name = cp1253::fromUtf8(overseerName(doc, group));
    if (name.empty()) return {};
    for (const IndexEntry& e : doc.kindLists[kPublisher]) {
        if (e.recordIndex <= 0 || e.recordIndex >= doc.recordCount()) continue;
        const PublisherRecord& r = doc.publishers[e.recordIndex];
        if (r.firstName() + " " + r.lastName() == name) return contactOf(doc, e.recordIndex);
    }
    return {cp1253::toUtf8(name), {}, {}};
}

std::string secondHeading(StatusList list) {
    switch (list) {
        case L::Irregular:
        case L::NewPublishers:
        case L::Reactivated:
        case L::Moved:
        case L::AuxiliaryPioneers:
        case L::StudyConductors:
            return std::string(res::kListHeadingMonth);
        case L::Baptized:
        case L::Privileges:
        case L::Consent:
        case L::NoConsent:
            return std::string(res::kListHeadingDate);
        case L::Students:
            return std::string(res::kListHeadingConductor);
        case L::Inactive:
            return std::string(res::kGroupWord);
        default:
            return {};
    }
}

}  // namespace

StatusListModel::StatusListModel(const CZelvoDoc& doc, StatusList list, const Date& today)
    : doc_(doc), today_(today), lists_(offeredLists(doc)) {
    setList(std::find(lists_.begin(), lists_.end(), list) != lists_.end() ? list : L::NoReport);
}

std::vector<std::string> StatusListModel::listTexts() const {
    std::vector<std::string> texts;
    for (StatusList l : lists_) texts.push_back(listText(doc_, l));
    return texts;
}

void StatusListModel::setList(StatusList list) {
    list_ = list;
    combo_ = filterKind(list) == FilterKind::Month || filterKind(list) == FilterKind::Period
                 ? defaultFilter(doc_, list)
                 : 0;
    listEntry_ = 0;
    refill();
}

std::vector<std::string> StatusListModel::comboEntries() const {
    const FilterKind k = filterKind(list_);
    if (k != FilterKind::Month && k != FilterKind::Period) return {};
    return filterEntries(doc_, list_);
}

void StatusListModel::setComboEntry(int entry) {
    const int count = static_cast<int>(comboEntries().size());
    if (entry < 0 || entry >= count) return;
    combo_ = entry;
    refill();
}

std::vector<std::string> StatusListModel::listEntries() const {
    if (hasGroupList(list_)) return groupEntries(doc_);
    const FilterKind k = filterKind(list_);
    if (k == FilterKind::Bands || k == FilterKind::Privileges) return filterEntries(doc_, list_);
    return {};
}

void StatusListModel::setListEntry(int entry) {
    if (entry < 0 || entry >= static_cast<int>(listEntries().size())) return;
    listEntry_ = entry;
    refill();
}

int StatusListModel::group() const {
    return hasGroupList(list_) ? listEntry_ : 0;
}

StatusQuery StatusListModel::query(int group) const {
    const FilterKind k = filterKind(list_);
    const bool fromList = k == FilterKind::Bands || k == FilterKind::Privileges;
    return {list_, fromList ? listEntry_ : combo_, group};
}

void StatusListModel::refill() {
    rows_ = statusRows(doc_, query(group()), today_);
    chooseRow(-1);
}

std::string StatusListModel::listTitle() const {
    if (list_ == L::NoReport)
        return res::format(res::kNoReportInMonth, res::monthNameAccusative(combo_));
    return listText(doc_, list_);
}

std::string StatusListModel::title() const {
    return listTitle() + res::format(res::kListCount, std::to_string(rows_.size()));
}

std::string StatusListModel::groupHeading(int group) const {
    return res::format(res::kListGroupLine, groupCaption(doc_.groups, group),
                       overseerName(doc_, group));
}

std::string StatusListModel::statusLine() const {
    return group() > 0 ? groupHeading(group()) : std::string();
}

void StatusListModel::chooseRow(int index) {
    chosen_ = index >= 0 && index < static_cast<int>(rows_.size()) ? index : -1;
    showContact();
}

std::optional<int> StatusListModel::chosenPerson() const {
    if (chosen_ < 0) return std::nullopt;
    return rows_[static_cast<std::size_t>(chosen_)].row;
}

void StatusListModel::showContact() {
    number_ = 0;
    if (const auto row = chosenPerson())
        contact_ = contactOf(doc_, *row);
    else
        contact_ = group() > 0 ? overseerContact(doc_, group()) : Contact{};
}

std::string StatusListModel::contactNumber() const {
    if (contact_.numbers.empty()) return {};
    return contact_.numbers[static_cast<std::size_t>(number_) % contact_.numbers.size()];
}

void StatusListModel::nextNumber() {
    if (!contact_.numbers.empty())
        number_ = (number_ + 1) % static_cast<int>(contact_.numbers.size());
}

bool StatusListModel::contactShown() const {
    return list_ == L::NoReport || list_ == L::Irregular;
}

bool StatusListModel::mailShown() const {
    return list_ == L::NoReport || (list_ == L::Irregular && !doc_.settings.senderEmail.empty());
}

std::string StatusListModel::dialCaption() const {
    return res::format(res::kContactChoice,
                       contact_.name + (contactNumber().empty() ? "" : " " + contactNumber()));
}

bool StatusListModel::dialEnabled() const {
    const std::string number = contactNumber();
    return std::any_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string StatusListModel::mailCaption() const {
    if (contact_.email.empty()) return res::format(res::kNoEmailFor, contact_.name);
    return res::format(res::kContactChoice, contact_.name + " " + contact_.email);
}

bool StatusListModel::mailEnabled() const {
    return !contact_.email.empty();
}

std::string StatusListModel::printCaption() const {
    if (group() > 0)
        return std::string(res::kPrint) +
               res::format(res::kPrintGroupSuffix, std::to_string(group()));
    return "&" + std::string(res::kPrint);
}

StatusListModel::SecondButton StatusListModel::secondButton() const {
    if (list_ == L::Privileges) return doc_.readOnly() ? SecondButton::Hidden : SecondButton::Edit;
    if (hasGroupList(list_) && group() == 0 && groupsInUse(doc_.groups) > 0)
        return SecondButton::PrintAllGroups;
    return SecondButton::Hidden;
}

std::string StatusListModel::secondCaption() const {
    switch (secondButton()) {
        case SecondButton::Edit:
            return std::string(res::kEditAction);
        case SecondButton::PrintAllGroups:
            return std::string(res::kPrint) + res::format(res::kPrintAllGroupsFormat,
                                                          std::to_string(groupsInUse(doc_.groups)));
        case SecondButton::Hidden:
            break;
    }
    return {};
}

StatusPrintout StatusListModel::printout() const {
    StatusPrintout p;
    // On paper the title names the period, band or privilege chosen, as the dialog shows it.
    p.title = listTitle();
    const FilterKind k = filterKind(list_);
    const std::vector<std::string> entries = k == FilterKind::Period ? comboEntries()
                                             : k == FilterKind::Bands || k == FilterKind::Privileges
                                                 ? listEntries()
                                                 : std::vector<std::string>{};
    const std::size_t chosen =
        static_cast<std::size_t>(k == FilterKind::Period ? combo_ : listEntry_);
    if (chosen < entries.size())
        p.title += std::string(res::kNameJoin) + std::string(trimmed(entries[chosen]));
    const int g = group();
    if (g > 0) {
        p.heading = groupHeading(g);
    } else {
        p.heading = std::string(res::kCongregation);
        if (!doc_.settings.congregationName.empty())
            p.heading +=
                std::string(res::kNameJoin) + cp1253::toUtf8(doc_.settings.congregationName);
    }
    if (list_ == L::CollectionForm) p.heading += res::kListMonthBlank;
    p.headings.emplace_back(res::kHeadingName);
    if (std::string second = secondHeading(list_); !second.empty())
        p.headings.push_back(std::move(second));
    p.tabStops = tabStops();
    for (const StatusRow& r : rows_) p.rows.push_back(r.text);
    return p;
}

std::vector<StatusPrintout> StatusListModel::groupPrintouts() const {
    std::vector<StatusPrintout> out;
    StatusListModel each(*this);
    for (int g = 1; g <= groupsInUse(doc_.groups); ++g) {
        each.setListEntry(g);
        out.push_back(each.printout());
    }
    return out;
}

std::string StatusListModel::clipboardText() const {
    const int g = group();
    std::string label = std::string(res::kCongregation);
    if (g > 0)
        label = groupCaption(doc_.groups, g) + "  " +
                res::format(res::kOverseerLine, overseerName(doc_, g));
    std::string text = listTitle() + "  " + label + "\r\n\r\n";
    for (const StatusRow& r : rows_) {
        text += records::personName(doc_, r.row) + "   " + trimmedUtf8(doc_.phoneHome(r.row));
        for (const std::string& n : {doc_.phoneMobile(r.row), doc_.phoneWork(r.row)})
            if (!trimmed(n).empty()) text += " " + trimmedUtf8(n);
        text += "\r\n";
    }
    return text + "\r\n\r\n";
}

}  // namespace zelvo::reporting
