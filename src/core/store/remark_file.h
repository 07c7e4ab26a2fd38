// remark9.dat: a header record, then 48-byte remarks.
#pragma once

#include <vector>

#include "store/bytes.h"
#include "store/side_records.h"

namespace zelvo {

// Whole records of the file, record 0 included; a partial last record is dropped.
std::vector<RemarkRecord> parseRemarkFile(const Bytes& data);
Bytes remarkFileBytes(const std::vector<RemarkRecord>& records);

// Drops records with an empty text, month 0 or a publisher id up to 10; of two records for the
// same month, slot and publisher the later one stands. Record 0 becomes an empty header.
std::vector<RemarkRecord> compactRemarks(const std::vector<RemarkRecord>& records);

// Writes each remark of the table into the file's records in place: over the record with the
// same month, slot and publisher, else over the first empty record, else appended.
void mergeRemarksIntoFile(std::vector<RemarkRecord>& file, const std::vector<RemarkRecord>& table);

}  // namespace zelvo
