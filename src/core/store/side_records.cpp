#include "store/side_records.h"

#include <algorithm>

#include "store/cp1253.h"
#include "store/text_form.h"

namespace zelvo {

namespace {

bool hasLetter(const std::string& s) {
    for (const char c : s)
        if (cp1253::isLetter(static_cast<unsigned char>(c))) return true;
    return false;
}

constexpr TextField kContactTexts[] = {ContactExtra::kFullName, ContactExtra::kEmail,
                                       ContactExtra::kOtherContact};

}  // namespace

std::uint8_t ContactExtra::presence() const {
    std::uint8_t p = 0;
    if (hasLetter(fullName())) p |= 1;
    if (hasLetter(email())) p |= 2;
    if (hasLetter(otherContact())) p |= 4;
    if (hasText() != 0) p |= 8;
    return p;
}

void ContactExtra::setText(TextField f, std::string_view v) {
    std::string_view cut = v.substr(0, std::min(v.size(), f.width - 1));
    RawRecord::setText(
        f, survivesShift(cut, kPlainShift) ? std::string(cut) : repairForShift(cut, kPlainShift));
}

void ContactExtra::toFile() {
    for (const auto& f : kContactTexts) shiftToFile(bytes.data() + f.offset, f.width, kPlainShift);
}

void ContactExtra::fromFile() {
    for (const auto& f : kContactTexts) {
        bytes[f.offset + f.width - 1] = 0;
        shiftFromFile(bytes.data() + f.offset, f.width, kPlainShift);
    }
}

bool AppointmentRecord::worthKeeping() const {
    if (publisherId() == 0 || appointmentKind() == 0) return false;
    return trimmed(appointmentText()).size() > 7 || appointmentKind() == kConsentKind;
}

void ServiceGroupTable::setLabelName(int n, std::string_view text) {
    const bool send = sendToAssistant(n);
    setText(labelNameField(n), text.substr(0, std::min(text.size(), kLabelLimit)));
    setSendToAssistant(n, send);
}

void ServiceGroupTable::setSendToAssistant(int n, bool on) {
    // A longer label from elsewhere would run into the flag: it is held to its limit first.
    if (on && text(labelNameField(n)).size() > kLabelLimit)
        setText(labelNameField(n), text(labelNameField(n)).substr(0, kLabelLimit));
    bytes[sendToAssistantOffset(n)] = on ? 1 : 0;
}

void ServiceGroupTable::toggleScramble() {
    const int n = groupCount() < kMaxGroups ? groupCount() : kMaxGroups;
    for (int g = 1; g <= n; ++g) {
        for (const TextField f :
             {overseerField(g), assistantField(g), placeField(g), labelNameField(g), timeField(g)})
            xorGroupText(bytes.data() + f.offset, f.width);
    }
}

void OldServiceGroupTable::unscramble() {
    const int n = bytes[0] < 20 ? bytes[0] : 20;
    for (int g = 0; g < n; ++g) {
        const auto i = static_cast<std::size_t>(g);
        xorGroupText(bytes.data() + kOverseer + i * 24, 24);
        xorGroupText(bytes.data() + kAssistant + i * 24, 24);
        xorGroupText(bytes.data() + kPlace + i * 24, 24);
        xorGroupText(bytes.data() + kShortName + i * 12, 12);
        xorGroupText(bytes.data() + kTime + i * 9, 9);
    }
}

ServiceGroupTable OldServiceGroupTable::converted() const {
    ServiceGroupTable t;
    t.setGroupCount(bytes[0] <= 20 ? bytes[0] : 20);
    for (int g = 1; g <= 20; ++g) {
        const auto i = static_cast<std::size_t>(g - 1);
        t.setText(ServiceGroupTable::overseerField(g),
                  readText(bytes.data() + kOverseer + i * 24, 24));
        t.setText(ServiceGroupTable::assistantField(g),
                  readText(bytes.data() + kAssistant + i * 24, 24));
        t.setText(ServiceGroupTable::placeField(g), readText(bytes.data() + kPlace + i * 24, 24));
        t.setText(ServiceGroupTable::timeField(g), readText(bytes.data() + kTime + i * 9, 9));
        t.setMeetingDay(g, bytes[kMeetingDay + i]);
    }
    return t;
}

}  // namespace zelvo
