// The full name and special need dialog: the full name and other contact of the person's
// contact extra, and a working copy of the person's special-need record with the copy as loaded.
// The need reaches spneed.dat on OK at once; the key and the contact extra go into the details
// dialog's working copies.
#pragma once

#include <string>
#include <string_view>

#include "records/shared_records.h"
#include "store/publisher_record.h"
#include "store/side_records.h"

namespace zelvo {

class CZelvoDoc;
class UserPrompts;

class SpecialNeedModel {
public:
    enum Field { FullName, OtherContact, Need };
    enum class Outcome {
        Accepted,   // close; key and contact extra are set
        NotWritten  // the need could not be written; the user was told
    };

    // `person` and `extra` are the details dialog's working copies of the person at `editedRow`
    // (0 when the person is being added).
    SpecialNeedModel(CZelvoDoc& doc, const PublisherRecord& person, const ContactExtra& extra,
                     int editedRow);

    std::string title() const;  // first name, a space, last name
    static int maxLength(Field f);

    // Texts in UTF-8.
    std::string text(Field f) const;
    void setText(Field f, std::string_view utf8);

    // The key of the record the need came from; 0 for a new need.
    int key() const { return working_.key(); }
    bool shared() const;
    // "Χρησιμοποίησε μια κοινή ειδική ανάγκη" is offered when there is more than one to choose.
    bool canUseShared() const;
    SharedRecordChoice sharedChoice() const;
    void useShared(int key);
    // Detaches from the shared need and clears it, without asking.
    void stopUsing();

    // OK: the full name and other contact into `extra` (trailing blanks cut), the need written
    // when needed and its key set in `person`.
    Outcome accept(PublisherRecord& person, ContactExtra& extra, UserPrompts& prompts);

private:
    // The need's part of OK; false when its file could not be written.
    bool storeNeed(PublisherRecord& person);

    CZelvoDoc& doc_;
    PublisherRecord person_;
    int editedRow_;
    std::string fullName_;      // Windows-1253, as in the record
    std::string otherContact_;  // Windows-1253
    SpecialNeed loaded_;
    SpecialNeed working_;
};

}  // namespace zelvo
