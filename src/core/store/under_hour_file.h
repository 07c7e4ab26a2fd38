// zlt15.dat: the under-one-hour marks of months kept apart from zdat9.bin, so that a month
// that later gets hours does not keep a stray mark.
#pragma once

#include "store/bytes.h"

namespace zelvo {

class CZelvoDoc;

// Sets the took-part mark for every flagged month and slot of a matching row that has no hours and
// no quarter hours.
void applyUnderHourRecords(CZelvoDoc& doc, const Bytes& file);

// Moves the marks of months up to absolute month 284, or later than the report month, out of
// the rows into zlt15.dat records (clearing them in the rows). Nothing when no row has any
// mark at all; otherwise the file's bytes (possibly empty).
bool moveUnderHourMarks(CZelvoDoc& doc, Bytes& file);

}  // namespace zelvo
