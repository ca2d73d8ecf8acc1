#pragma once
// Plays the deformation animation on the window's event loop: one frame per
// display refresh, never faster, so a swing takes the same time on every
// machine and the window keeps repainting and resizing in between. Which
// frame comes next, and when the running flag stops the animation, is the
// core's AnimationSequence.
#include "drawing/AnimationSequence.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

class AnimationPlayer : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> running;         // the running flag
        std::function<bool()> shown;           // the drawing mode is still the animation
        std::function<void(double)> showFrame; // draws and shows the frame at phi
        std::function<void()> stopped;         // the animation has ended
    };

    AnimationPlayer(Hooks hooks, QObject *parent = nullptr);

    // Shows the first frame at once and the next ones every `interval`.
    void start(int frames, std::chrono::milliseconds interval);
    bool isPlaying() const { return m_sequence.has_value(); }
    // The fraction of the frame on screen.
    double phase() const { return m_phase; }
    std::chrono::milliseconds interval() const { return m_timer.intervalAsDuration(); }

    // The next frame, or the end of the animation: when the flag is clear at
    // a check point, or at once when another drawing mode has taken the
    // drawing area. Returns whether a frame was shown.
    bool step();
    // Ends the animation now, without waiting for a check point: another
    // view has taken the drawing area.
    void end();

    // The time between two refreshes of a display of `hertz`, rounded up to
    // whole milliseconds; 60 Hz where the display does not tell.
    static std::chrono::milliseconds refreshInterval(double hertz);

signals:
    void frameShown(double phi);

private:
    void finish();

    Hooks m_hooks;
    QTimer m_timer;
    std::optional<AnimationSequence> m_sequence;
    double m_phase = 0.0;
};
