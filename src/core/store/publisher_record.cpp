#include "store/publisher_record.h"

#include <algorithm>

#include "store/text_form.h"

namespace zelvo {

namespace {

struct Shifted {
    TextField field;
    ShiftForm form;
};

constexpr Shifted kShiftedFields[] = {
    {PublisherRecord::kFirstName, kNameShift},    {PublisherRecord::kLastName, kNameShift},
    {PublisherRecord::kAddress, kAddressShift},   {PublisherRecord::kPhoneHome, kPlainShift},
    {PublisherRecord::kPhoneMobile, kPlainShift}, {PublisherRecord::kPhoneWork, kPlainShift},
    {PublisherRecord::kBaptismDate, kPlainShift}, {PublisherRecord::kBirthDate, kPlainShift},
};

const Shifted* shiftedField(TextField f) {
    for (const auto& s : kShiftedFields)
        if (s.field.offset == f.offset) return &s;
    return nullptr;
}

}  // namespace

std::string fileSafeText(TextField f, std::string_view value) {
    std::string_view cut = value.substr(0, std::min(value.size(), f.width - 1));
    if (const auto zero = cut.find('\0'); zero != std::string_view::npos) cut = cut.substr(0, zero);
    const Shifted* s = shiftedField(f);
    if (s == nullptr || survivesShift(cut, s->form)) return std::string(cut);
    return repairForShift(cut, s->form);
}

void PublisherRecord::setText(TextField f, std::string_view value) {
    writeText(bytes.data() + f.offset, f.width, fileSafeText(f, value));
}

void scrambleRecord(PublisherRecord& r) {
    for (const auto& s : kShiftedFields)
        shiftToFile(r.bytes.data() + s.field.offset, s.field.width, s.form);
}

void unscrambleRecord(PublisherRecord& r) {
    for (const auto& s : kShiftedFields)
        shiftFromFile(r.bytes.data() + s.field.offset, s.field.width, s.form);
}

}  // namespace zelvo
