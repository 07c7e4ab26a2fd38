// "Αντικατάσταση με νέα πληροφορία": the details typed for a new person put over the existing
// person of the same name. A new record knows nothing of the person's history, so what it sets
// wins and what it leaves blank (an empty text, a 0, an unticked box) keeps the person's own
// value: a blank field of the new record never erases a stored one.
#pragma once

#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/side_records.h"

namespace zelvo::records {

// The record of `existing` with the information of `added` over it. The person keeps the id (the
// households, remarks, appointments and contacts that name it), the list, the months of reports
// and the pioneer codes of other months than `reportMonth`.
PublisherRecord withNewInformation(const PublisherRecord& existing, const PublisherRecord& added,
                                   MonthSlot reportMonth);

// The same for the person's contact extra (full name, e-mail, other contact).
ContactExtra withNewInformation(const ContactExtra& existing, const ContactExtra& added);

}  // namespace zelvo::records
