#pragma once
// The frames of the deformation animation, swing after swing: a rising half
// k = 0, 1, ..., F and a falling half k = F, ..., 0, each frame at
// phi = k / F, so a swing shows 2 (F + 1) frames with the fully deformed and
// the undeformed frames twice in a row at the turning points.
//
// The running flag is looked at only at the check points: before each rising
// half, before the falling half and before each of its frames. Cleared
// during a rising half, the half is finished first; cleared during a falling
// half, the animation stops before the next frame.
#include <optional>

class AnimationSequence {
public:
    // frames: F, the steps from undeformed to fully deformed; below 1 counts
    // as 1.
    explicit AnimationSequence(int frames);

    // The fraction of the next frame to draw, or nothing once the animation
    // has stopped. `running` is the flag as it is now; it counts only at a
    // check point.
    std::optional<double> next(bool running);

    int frames() const { return m_frames; }
    bool stopped() const { return m_stopped; }
    // The next frame is in the rising half.
    bool rising() const { return m_rising; }
    // The next call looks at the running flag.
    bool atCheckPoint() const { return !m_rising || m_k == 0; }

private:
    int m_frames;
    int m_k = 0;
    bool m_rising = true;
    bool m_stopped = false;
};
