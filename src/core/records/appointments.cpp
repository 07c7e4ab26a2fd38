#include "records/appointments.h"

#include <utility>

#include "store/zelvo_doc.h"

namespace zelvo::records {

const AppointmentRecord* appointmentOf(const CZelvoDoc& doc, std::uint16_t id, std::uint16_t kind) {
    for (const AppointmentRecord& a : doc.appointments)
        if (a.publisherId() == id && a.appointmentKind() == kind) return &a;
    return nullptr;
}

AppointmentRecord* appointmentOf(CZelvoDoc& doc, std::uint16_t id, std::uint16_t kind) {
    return const_cast<AppointmentRecord*>(appointmentOf(std::as_const(doc), id, kind));
}

AppointmentRecord* freeAppointment(CZelvoDoc& doc) {
    for (AppointmentRecord& a : doc.appointments)
        if (a.appointmentKind() == 0 || a.publisherId() == 0) return &a;
    if (doc.appointments.size() >= CZelvoDoc::kMaxAppointments) return nullptr;
    return &doc.appointments.emplace_back();
}

}  // namespace zelvo::records
