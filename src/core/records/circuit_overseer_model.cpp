#include "records/circuit_overseer_model.h"

#include "records/publisher_details_model.h"
#include "records/publisher_table.h"
#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

std::string limited(const std::string& utf8, std::size_t limit) {
    std::string text = cp1253::fromUtf8(utf8);
    if (text.size() > limit) text.resize(limit);
    return text;
}

}  // namespace

CircuitOverseerModel::CircuitOverseerModel(CZelvoDoc& doc) : doc_(doc) {
    const int row = doc.circuitOverseerRow;
    if (row == 0) return;
    const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    for (auto [field, text] : {std::pair{&firstName, r.firstName()},
                               {&lastName, r.lastName()},
                               {&address, r.address()},
                               {&phoneHome, r.phoneHome()},
                               {&phoneMobile, r.phoneMobile()},
                               {&phoneWork, r.phoneWork()},
                               {&email, doc.emailOf(row)}})
        *field = cp1253::toUtf8(text);
}

CircuitOverseerModel::Outcome CircuitOverseerModel::store(UserPrompts& prompts) {
    int row = doc_.circuitOverseerRow;
    bool changed = false;
    if (row == 0) {
        if (trimmed(cp1253::fromUtf8(lastName)).size() <= 1) return Outcome::NotCreated;
        if (tableFull(doc_)) {
            prompts.showMessage(res::kOverseerTableFull);
            return Outcome::Refused;
        }
        // Appended: the overseer sorts after everybody, so the end of the table is its place.
        doc_.publishers.emplace_back();
        row = static_cast<int>(doc_.publishers.size()) - 1;
        changed = true;
    }
    PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
    const PublisherRecord before = r;
    r.setKind(kCircuitOverseer);
    r.setId(static_cast<std::uint16_t>(kCircuitOverseerId));
    r.setText(PublisherRecord::kFirstName, limited(firstName, kOverseerNameLimit));
    r.setText(PublisherRecord::kLastName, limited(lastName, kOverseerNameLimit));
    r.setText(PublisherRecord::kAddress, limited(address, kOverseerAddressLimit));
    r.setText(PublisherRecord::kPhoneHome, limited(phoneHome, kOverseerPhoneLimit));
    r.setText(PublisherRecord::kPhoneMobile, limited(phoneMobile, kOverseerPhoneLimit));
    r.setText(PublisherRecord::kPhoneWork, limited(phoneWork, kOverseerPhoneLimit));
    if (r.bytes != before.bytes) changed = true;
    // A new row, or an id put right, takes its place in the indexes.
    if (changed) doc_.buildIndexes();

    ContactExtra extra = doc_.contactExtraOf(row).value_or(ContactExtra{});
    const std::string mail = limited(email, kEmailLimit);
    if (mail != extra.email() && !(r.extraIndex() == 0 && mail.empty())) {
        extra.setPublisherId(r.id());
        extra.setText(ContactExtra::kEmail, mail);
        if (const auto number = doc_.writeContactExtra(extra)) {
            r.setWord(PublisherRecord::kExtraIndex, static_cast<std::uint16_t>(*number));
            changed = true;
        } else {
            prompts.showMessage(res::format(res::kContactExtraNotStored, files::kContactExtras));
        }
    }
    if (changed) doc_.markModified();
    return Outcome::Stored;
}

}  // namespace zelvo::records
