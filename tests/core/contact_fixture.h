// A small congregation for the contact and need tests: a household (head 100 with member 101)
// and two people of their own (102, 103), with emerg.dat and spneed.dat written as given, loaded
// as the program loads it. The record files are then read back byte for byte.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::test {

inline constexpr Date kContactsToday{2025, 3, 10};
inline constexpr std::uint16_t kHead = 100;
inline constexpr std::uint16_t kMember = 101;
inline constexpr std::uint16_t kOther = 102;
inline constexpr std::uint16_t kFourth = 103;

inline EmergencyContact contact(int key, std::string_view nameUtf8, std::string_view mobile = {}) {
    EmergencyContact e;
    e.setKey(static_cast<std::uint16_t>(key));
    e.setText(EmergencyContact::kName, cp1253::fromUtf8(nameUtf8));
    e.setText(EmergencyContact::kPhoneMobile, mobile);
    return e;
}

inline SpecialNeed need(int key, std::string_view textUtf8) {
    SpecialNeed n;
    n.setKey(static_cast<std::uint16_t>(key));
    n.setText(SpecialNeed::kText, cp1253::fromUtf8(textUtf8));
    return n;
}

// The keys each person holds, by id.
struct PersonKeys {
    std::uint16_t id = 0;
    int emergency = 0;
    int need = 0;
};

class ContactFixture : public ::testing::Test {
protected:
    // Writes the folder and loads it.
    void open(const std::vector<PersonKeys>& keys, const std::vector<EmergencyContact>& contacts,
              const std::vector<SpecialNeed>& needs) {
        PublisherRecord head = test::person(kHead, "Anna", "Alpha");
        head.setByte(PublisherRecord::kPrivileges, 0x04);  // head of household
        PublisherRecord member = test::person(kMember, "Bill", "Alpha");
        member.setWord(PublisherRecord::kHouseholdKey, kHead);
        std::vector<PublisherRecord> rows = {headerRow(), head, member,
                                             test::person(kOther, "Carl", "Gamma"),
                                             test::person(kFourth, "Dora", "Delta")};
        for (const PersonKeys& k : keys)
            for (PublisherRecord& r : rows)
                if (r.id() == k.id) {
                    r.setWord(PublisherRecord::kEmergencyKey,
                              static_cast<std::uint16_t>(k.emergency));
                    r.setWord(PublisherRecord::kSpecialNeedsKey,
                              static_cast<std::uint16_t>(k.need));
                }
        folder.write(files::kPublishers, tableFile(rows));
        if (!contacts.empty()) folder.write(files::kEmergency, concat(contacts));
        if (!needs.empty()) folder.write(files::kSpecialNeeds, concat(needs));
        doc = std::make_unique<CZelvoDoc>();
        ASSERT_TRUE(openDoc(*doc, folder, kContactsToday).ok);
    }

    int rowOf(std::uint16_t id) const { return doc->findById(id).value_or(0); }
    PublisherRecord& person(std::uint16_t id) {
        return doc->publishers[static_cast<std::size_t>(rowOf(id))];
    }
    // The details dialog's OK: the working copy's keys reach the table.
    void store(std::uint16_t id, const PublisherRecord& working) { person(id) = working; }

    std::vector<EmergencyContact> contactFile() const {
        return recordsOf<EmergencyContact>(folder.read(files::kEmergency));
    }
    std::vector<SpecialNeed> needFile() const {
        return recordsOf<SpecialNeed>(folder.read(files::kSpecialNeeds));
    }
    // Replaces a record file by a folder of the same name, so that writing it fails.
    void blockFile(std::string_view name) const {
        folder.remove(name);
        fs::create_directories(folder.file(name));
    }

    TestFolder folder;
    std::unique_ptr<CZelvoDoc> doc;
    ScriptedPrompts prompts;
};

}  // namespace zelvo::test
