#include "drawing/AnimationSequence.h"

AnimationSequence::AnimationSequence(int frames) : m_frames(frames < 1 ? 1 : frames) {}

std::optional<double> AnimationSequence::next(bool running)
{
    if (m_stopped)
        return std::nullopt;
    if (atCheckPoint() && !running) {
        m_stopped = true;
        return std::nullopt;
    }
    const double phi = static_cast<double>(m_k) / m_frames;
    if (m_rising) {
        if (++m_k > m_frames) {
            m_rising = false;
            m_k = m_frames;
        }
    } else if (--m_k < 0) {
        m_rising = true;
        m_k = 0;
    }
    return phi;
}
