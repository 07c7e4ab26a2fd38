// Placeholder until the sorted insert lands: nothing is changed.
#include "records/publisher_table.h"

namespace zelvo::records {

bool tableFull(const CZelvoDoc&) { return true; }
bool sortsBefore(const CZelvoDoc&, const PublisherRecord&, const PublisherRecord&) { return false; }
InsertResult insertNew(CZelvoDoc&, const PublisherRecord&, UserPrompts&) { return {}; }
int resortRenamed(CZelvoDoc&, int row, UserPrompts&) { return row; }
void deletePerson(CZelvoDoc&, int) {}
void studentBecomesPublisher(CZelvoDoc&, int, int) {}

}  // namespace zelvo::records
