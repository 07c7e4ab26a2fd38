// The demo's source of numbers. std::mt19937 gives the same sequence with every standard
// library, its distributions do not, so numbers are drawn by plain modulo of the engine's output.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <utility>
#include <vector>

namespace zelvo::demo {

class DemoRandom {
public:
    explicit DemoRandom(unsigned seed) : engine_(seed) {}

    // 0 .. n-1; 0 when n < 2.
    int below(int n) {
        const auto draw = static_cast<std::uint32_t>(engine_() & 0xFFFFFFFFu);
        if (n < 2) return 0;
        return static_cast<int>(draw % static_cast<std::uint32_t>(n));
    }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool percent(int p) { return below(100) < p; }

    template <typename T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    template <typename T>
    void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[static_cast<std::size_t>(below(static_cast<int>(i)))]);
    }

private:
    std::mt19937 engine_;
};

}  // namespace zelvo::demo
