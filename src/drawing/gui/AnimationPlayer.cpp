#include "drawing/gui/AnimationPlayer.h"

#include <cmath>

AnimationPlayer::AnimationPlayer(Hooks hooks, QObject *parent)
    : QObject(parent), m_hooks(std::move(hooks))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AnimationPlayer::step);
}

std::chrono::milliseconds AnimationPlayer::refreshInterval(double hertz)
{
    if (!std::isfinite(hertz) || hertz < 1.0)
        hertz = 60.0;
    return std::chrono::milliseconds(static_cast<long>(std::ceil(1000.0 / hertz)));
}

void AnimationPlayer::start(int frames, std::chrono::milliseconds interval)
{
    if (isPlaying())
        return;
    m_sequence.emplace(frames);
    m_phase = 0.0;
    m_timer.setInterval(interval);
    m_timer.start();
    step();
}

bool AnimationPlayer::step()
{
    if (!m_sequence)
        return false;
    // Another view's picture stands: no frame may be drawn over it.
    if (!m_hooks.shown()) {
        finish();
        return false;
    }
    const std::optional<double> phi = m_sequence->next(m_hooks.running());
    if (!phi) {
        finish();
        return false;
    }
    m_phase = *phi;
    m_hooks.showFrame(*phi);
    emit frameShown(*phi);
    return true;
}

void AnimationPlayer::end()
{
    if (isPlaying())
        finish();
}

void AnimationPlayer::finish()
{
    m_timer.stop();
    m_sequence.reset();
    m_phase = 0.0;
    m_hooks.stopped();
}
