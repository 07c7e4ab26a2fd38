#include "shell/frame_placement.h"

namespace zelvo::shell {

FramePoint reportFramePosition(const std::optional<FramePoint>& remembered,
                               const DesktopArea& desktop, int frameWidth) {
    if (remembered) {
        const int x = remembered->x - desktop.left;
        const int y = remembered->y - desktop.top;
        if (x > 0 && y >= -20 && x <= desktop.width - desktop.width / 10 &&
            y <= desktop.height - desktop.height / 5)
            return *remembered;
    }
    return {desktop.left + (desktop.width - frameWidth) / 2, desktop.top};
}

void FramePlacement::leave(bool reportMode, FramePoint at) {
    (reportMode ? report_ : dashboard_) = at;
}

std::optional<FramePoint> FramePlacement::enter(bool reportMode, const DesktopArea& desktop,
                                                int frameWidth) const {
    if (reportMode) return reportFramePosition(report_, desktop, frameWidth);
    return dashboard_;
}

}  // namespace zelvo::shell
