#include "records/add_chooser.h"

#include "store/zelvo_doc.h"

namespace zelvo::records {

AddChoices addChoices(const CZelvoDoc& doc) {
    return {!doc.kindLists[kNonPublisher].empty(), !doc.kindLists[kInactive].empty()};
}

}  // namespace zelvo::records
