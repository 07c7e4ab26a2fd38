#include "records/need_model.h"

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

constexpr int kFullNameLength = 60;
constexpr int kOtherContactLength = 60;
constexpr int kNeedLength = 90;
// A need shorter than this counts as none.
constexpr std::size_t kMinNeed = 4;

std::string withoutTrailingBlanks(std::string s) {
    const auto last = s.find_last_not_of(' ');
    s.erase(last == std::string::npos ? 0 : last + 1);
    return s;
}

// Sets a text of the contact extra and tells the user when the file form changed it.
void storeExtraText(ContactExtra& extra, TextField f, const std::string& value,
                    UserPrompts& prompts) {
    extra.setText(f, value);
    const std::string kept = extra.text(f);
    if (kept != value)
        prompts.showMessage(
            res::format(res::kProblemRepairedText, cp1253::toUtf8(value), cp1253::toUtf8(kept)));
}

}  // namespace

SpecialNeedModel::SpecialNeedModel(CZelvoDoc& doc, const PublisherRecord& person,
                                   const ContactExtra& extra, int editedRow)
    : doc_(doc),
      person_(person),
      editedRow_(editedRow),
      fullName_(extra.fullName()),
      otherContact_(extra.otherContact()) {
    if (person.specialNeedsKey() != 0) loaded_ = doc.readSpecialNeed(person.specialNeedsKey());
    working_ = loaded_;
}

std::string SpecialNeedModel::title() const {
    return cp1253::toUtf8(person_.firstName() + " " + person_.lastName());
}

int SpecialNeedModel::maxLength(Field f) {
    switch (f) {
        case FullName:
            return kFullNameLength;
        case OtherContact:
            return kOtherContactLength;
        case Need:
            break;
    }
    return kNeedLength;
}

std::string SpecialNeedModel::text(Field f) const {
    switch (f) {
        case FullName:
            return cp1253::toUtf8(fullName_);
        case OtherContact:
            return cp1253::toUtf8(otherContact_);
        case Need:
            break;
    }
    return cp1253::toUtf8(working_.needText());
}

void SpecialNeedModel::setText(Field f, std::string_view utf8) {
    std::string value = cp1253::fromUtf8(utf8);
    value.resize(std::min(value.size(), static_cast<std::size_t>(maxLength(f))));
    switch (f) {
        case FullName:
            fullName_ = value;
            break;
        case OtherContact:
            otherContact_ = value;
            break;
        case Need:
            working_.setText(SpecialNeed::kText, value);
            break;
    }
}

bool SpecialNeedModel::shared() const {
    return isShared(doc_, SharedFile::SpecialNeeds, key(), editedRow_);
}

bool SpecialNeedModel::canUseShared() const {
    return sharedChoice().entries.size() > 1;
}

SharedRecordChoice SpecialNeedModel::sharedChoice() const {
    return specialNeedChoice(doc_);
}

void SpecialNeedModel::useShared(int chosenKey) {
    const SpecialNeed chosen = doc_.readSpecialNeed(chosenKey);
    if (chosen.key() != 0) working_ = chosen;
}

void SpecialNeedModel::stopUsing() {
    working_ = SpecialNeed{};
}

SpecialNeedModel::Outcome SpecialNeedModel::accept(PublisherRecord& person, ContactExtra& extra,
                                                   UserPrompts& prompts) {
    if (!storeNeed(person)) {
        reportRecordNotWritten(doc_, SharedFile::SpecialNeeds, prompts);
        return Outcome::NotWritten;
    }
    storeExtraText(extra, ContactExtra::kFullName, withoutTrailingBlanks(fullName_), prompts);
    storeExtraText(extra, ContactExtra::kOtherContact, withoutTrailingBlanks(otherContact_),
                   prompts);
    return Outcome::Accepted;
}

bool SpecialNeedModel::storeNeed(PublisherRecord& person) {
    const std::string need(trimmed(working_.needText()));
    working_.setText(SpecialNeed::kText, need);
    if (working_ == loaded_) return true;  // unchanged: the key stays
    if (need.size() < kMinNeed) {
        // No need for this person; a shared record keeps its text for the others.
        person.setWord(PublisherRecord::kSpecialNeedsKey, 0);
        return true;
    }
    int stored = key();
    if (stored != 0) {
        const bool same = doc_.readSpecialNeed(stored) == working_;
        if (!same && !doc_.writeSpecialNeed(stored, working_)) return false;
    } else {
        const auto added = doc_.addSpecialNeed(working_);
        if (!added) return false;
        stored = *added;
        working_.setKey(static_cast<std::uint16_t>(stored));
    }
    loaded_ = working_;
    person.setWord(PublisherRecord::kSpecialNeedsKey, static_cast<std::uint16_t>(stored));
    return true;
}

}  // namespace zelvo
