#pragma once

// The stepper both editions drive: which step of a sort is shown, the moves between steps, playing
// at a speed, and which key makes which move. A view owns a timer that calls tick() every
// interval() milliseconds while playing(), and maps its toolkit's keys onto Key.

#include <span>
#include <string_view>

namespace lesson {

// The keys the lesson answers. A view passes a key only when the focus is not in a box that needs
// it itself (an entry box, a spin box, a list of choices); Space reaches the player from its own
// buttons too, so that Space after «Вперёд» plays rather than steps.
enum class Key { Left, Right, PageUp, PageDown, Home, End, Space };
enum class Move { First, Back, Forward, Last, PlayPause };
// ← and PageUp go back, → and PageDown forward (what presenter remotes send), Home and End to the
// first and last step, Space plays and pauses.
Move moveFor(Key);

struct Speed {
    int interval;             // milliseconds a step
    std::u16string_view name; // e.g. «1 с на шаг»
};
// From slowest to fastest.
std::span<const Speed> speeds();
constexpr int DefaultSpeed = 1; // index into speeds()

// The controls' captions and the keys' description, one wording for both editions.
struct PlayerTexts {
    std::u16string_view first, back, forward, last, play, pause, speed, jump, keys;
};
const PlayerTexts &playerTexts();

// Steps 0 (the arrays as read) to stepCount (the sort done). Every move clamps into that range;
// nothing plays until asked.
class StepPlayer {
public:
    explicit StepPlayer(int stepCount = 0);
    // A new trace: step 0, paused; the speed stays.
    void reset(int stepCount);

    int step() const { return m_step; }
    int stepCount() const { return m_stepCount; }
    bool atFirst() const { return m_step == 0; }
    bool atLast() const { return m_step == m_stepCount; }

    // Each returns whether the step changed. A move made by hand pauses playing.
    bool jump(int step);
    bool first() { return jump(0); }
    bool back() { return jump(m_step - 1); }
    bool forward() { return jump(m_step + 1); }
    bool last() { return jump(m_stepCount); }

    bool playing() const { return m_playing; }
    // Play pressed at the last step starts again from step 0; a trace of no steps never plays.
    // Returns whether the step changed.
    bool play();
    void pause() { m_playing = false; }
    bool togglePlay();
    // The timer's beat: one step forward, pausing once the last step is reached.
    bool tick();

    int speed() const { return m_speed; }
    void setSpeed(int index); // clamped into speeds()
    int interval() const;     // milliseconds between ticks at this speed

    // Makes the key's move; returns whether the step changed.
    bool press(Key);
    bool apply(Move);

private:
    int m_step = 0;
    int m_stepCount = 0;
    int m_speed = DefaultSpeed;
    bool m_playing = false;
};

} // namespace lesson
