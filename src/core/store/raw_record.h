// A fixed-size record kept as the raw bytes of its file form, with typed access.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/bytes.h"

namespace zelvo {

template <std::size_t N>
struct RawRecord {
    static constexpr std::size_t kSize = N;
    std::array<Byte, N> bytes{};

    std::string text(TextField f) const { return readText(bytes.data() + f.offset, f.width); }
    void setText(TextField f, std::string_view v) {
        writeText(bytes.data() + f.offset, f.width, v);
    }
    std::uint16_t word(std::size_t o) const { return readU16(bytes.data() + o); }
    void setWord(std::size_t o, std::uint16_t v) { writeU16(bytes.data() + o, v); }
    bool isAllZero() const {
        for (Byte b : bytes)
            if (b != 0) return false;
        return true;
    }
    bool operator==(const RawRecord&) const = default;
};

}  // namespace zelvo
