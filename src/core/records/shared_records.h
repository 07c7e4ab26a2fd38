// Emergency contacts and special needs live in records of their own so that several people,
// typically one household, can share one: the sharing test, the list of the chooser of an
// existing record, and the message after a record could not reach its file.
#pragma once

#include <string>
#include <vector>

namespace zelvo {

class CZelvoDoc;
class UserPrompts;
struct PublisherRecord;

enum class SharedFile { Emergency, SpecialNeeds };

// The people (rows 1 and up) whose key for `file` is `key`; none for key 0.
int personsUsingKey(const CZelvoDoc& doc, SharedFile file, int key);

// Shown as shared when more than one person uses the key, or one who is not the person at
// `editedRow` (0 for a person being added).
bool isShared(const CZelvoDoc& doc, SharedFile file, int key, int editedRow);

// What the shared-record chooser offers, in file order. Texts UTF-8.
struct SharedRecordChoice {
    struct Entry {
        int key = 0;
        std::string label;
    };
    std::string title;
    std::vector<Entry> entries;
    int preselected = -1;  // index into entries, -1 for none
};

// Contacts by their trimmed name, those without a name left out; preselected is the contact of
// the household head of `person`, when the head has one.
SharedRecordChoice emergencyChoice(const CZelvoDoc& doc, const PublisherRecord& person);
// Needs by their text, those of 3 characters or fewer (no need at all) left out.
SharedRecordChoice specialNeedChoice(const CZelvoDoc& doc);

// Tells the user that a record of `file` did not reach it: the file is full, or could not be
// written.
void reportRecordNotWritten(const CZelvoDoc& doc, SharedFile file, UserPrompts& prompts);

}  // namespace zelvo
