// The circuit overseer's contact record: the single row of kind 5 in the publisher table, with
// the fixed id 30003, in no list and sorted after everybody.
#pragma once

#include <string>

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::records {

inline constexpr int kCircuitOverseerId = 30003;
inline constexpr std::size_t kOverseerNameLimit = 18;
inline constexpr std::size_t kOverseerAddressLimit = 60;
inline constexpr std::size_t kOverseerPhoneLimit = 14;

class CircuitOverseerModel {
public:
    explicit CircuitOverseerModel(CZelvoDoc& doc);

    // UTF-8 as typed.
    std::string firstName, lastName, address, phoneHome, phoneMobile, phoneWork, email;

    enum class Outcome {
        Stored,      // the row was written (the document is modified when anything changed)
        NotCreated,  // no overseer yet and a last name of one character or none: nothing changed
        Refused,     // the table is full: the user was told, nothing changed
    };
    // OK: creates the row when needed, then stores the fields cut to their limits and the e-mail
    // in the row's contact extra.
    Outcome store(UserPrompts& prompts);

private:
    CZelvoDoc& doc_;
};

}  // namespace zelvo::records
