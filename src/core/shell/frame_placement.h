// Where the main window stands in each mode of the view. The frame remembers one position for
// the dashboard and one for reports; a report goes back to its own place only while that place
// is still well on the desktop.
#pragma once

#include <optional>

namespace zelvo::shell {

struct FramePoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const FramePoint&, const FramePoint&) = default;
};

struct DesktopArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The remembered report position when it has x > 0, y >= -20, x at most the desktop width less
// a tenth and y at most its height less a fifth (measured from the desktop's corner); otherwise
// the frame is centred horizontally at the top of the desktop.
FramePoint reportFramePosition(const std::optional<FramePoint>& remembered,
                               const DesktopArea& desktop, int frameWidth);

class FramePlacement {
public:
    // The frame leaves `reportMode` (true: report mode) standing at `at`.
    void leave(bool reportMode, FramePoint at);
    // Where the frame goes on entering a mode; nothing for the dashboard never left yet.
    std::optional<FramePoint> enter(bool reportMode, const DesktopArea& desktop,
                                    int frameWidth) const;

private:
    std::optional<FramePoint> dashboard_;
    std::optional<FramePoint> report_;
};

}  // namespace zelvo::shell
