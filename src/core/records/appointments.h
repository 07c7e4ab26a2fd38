// Looking up and placing records of the appointments table (privilege dates, consent).
#pragma once

#include <cstdint>

#include "store/side_records.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// The first appointment of that kind of the person: the one a save keeps. Nothing when none.
AppointmentRecord* appointmentOf(CZelvoDoc& doc, std::uint16_t id, std::uint16_t kind);
const AppointmentRecord* appointmentOf(const CZelvoDoc& doc, std::uint16_t id, std::uint16_t kind);

// A record for a new appointment: a removed one's place first, then a new one while the table has
// room; nothing when it is full.
AppointmentRecord* freeAppointment(CZelvoDoc& doc);

}  // namespace zelvo::records
