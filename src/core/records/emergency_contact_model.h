// The emergency contact dialog: a working copy of the person's contact record and the copy as
// loaded. The record itself reaches emerg.dat on OK at once; the person's key goes into the
// details dialog's working copy, kept only when that dialog is confirmed.
#pragma once

#include <string>
#include <string_view>

#include "records/shared_records.h"
#include "store/publisher_record.h"
#include "store/side_records.h"

namespace zelvo {

class CZelvoDoc;
class UserPrompts;

class EmergencyContactModel {
public:
    enum Field { Name, Info, PhoneHome, PhoneMobile, PhoneWork };
    enum class Outcome {
        Accepted,   // close; the person's key is set
        FocusName,  // a new contact needs a name of 2 characters or more
        NotWritten  // the file could not be written; the user was told
    };

    // `person` is the details dialog's working copy of the person at `editedRow` (0 when the
    // person is being added).
    EmergencyContactModel(CZelvoDoc& doc, const PublisherRecord& person, int editedRow);

    std::string title() const;  // the person's display name
    static int maxLength(Field f);

    // Texts in UTF-8.
    std::string text(Field f) const;
    void setText(Field f, std::string_view utf8);
    bool witness() const;
    void setWitness(bool on);

    // The key of the record the working copy came from; 0 for a new contact.
    int key() const { return working_.key(); }
    bool shared() const;
    // "Χρησιμοποίησε μια υπάρχουσα επαφή" is offered when there is more than one to choose.
    bool canUseExisting() const;
    SharedRecordChoice existingChoice() const;
    // The chosen record replaces the working copy; on OK it becomes the person's (shared use).
    void useExisting(int key);
    // Asks whether to empty the fields too (No the default): Yes detaches and clears every
    // field, No detaches keeping them (they become a new record on OK), Cancel does nothing.
    void stopUsing(UserPrompts& prompts);

    // OK: writes the record when needed and sets the key of `person`.
    Outcome accept(PublisherRecord& person, UserPrompts& prompts);

private:
    CZelvoDoc& doc_;
    PublisherRecord person_;
    int editedRow_;
    EmergencyContact loaded_;
    EmergencyContact working_;
};

}  // namespace zelvo
