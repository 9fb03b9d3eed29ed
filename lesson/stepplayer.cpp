#include "stepplayer.h"

#include <algorithm>
#include <array>

namespace lesson {

Move moveFor(Key key)
{
    switch (key) {
    case Key::Left:
    case Key::PageUp:
        return Move::Back;
    case Key::Right:
    case Key::PageDown:
        return Move::Forward;
    case Key::Home:
        return Move::First;
    case Key::End:
        return Move::Last;
    case Key::Space:
        break;
    }
    return Move::PlayPause;
}

std::span<const Speed> speeds()
{
    static constexpr std::array<Speed, 4> all{{{2000, u"2 с на шаг"},
                                               {1000, u"1 с на шаг"},
                                               {500, u"0,5 с на шаг"},
                                               {200, u"0,2 с на шаг"}}};
    return all;
}

const PlayerTexts &playerTexts()
{
    static constexpr PlayerTexts texts{
        u"В начало",
        u"Назад",
        u"Вперёд",
        u"В конец",
        u"Пуск",
        u"Пауза",
        u"Скорость",
        u"Перейти к шагу",
        u"Клавиши: ← и → (или PageUp и PageDown) — шаг назад и вперёд, Home и End — в начало и "
        u"в конец, пробел — пуск и пауза.",
    };
    return texts;
}

StepPlayer::StepPlayer(int stepCount)
{
    reset(stepCount);
}

void StepPlayer::reset(int stepCount)
{
    m_stepCount = std::max(0, stepCount);
    m_step = 0;
    m_playing = false;
}

bool StepPlayer::jump(int step)
{
    m_playing = false;
    const int before = m_step;
    m_step = std::clamp(step, 0, m_stepCount);
    return m_step != before;
}

bool StepPlayer::play()
{
    if (m_stepCount == 0)
        return false;
    const bool restart = atLast();
    if (restart)
        m_step = 0;
    m_playing = true;
    return restart;
}

bool StepPlayer::togglePlay()
{
    if (m_playing) {
        pause();
        return false;
    }
    return play();
}

bool StepPlayer::tick()
{
    if (!m_playing || atLast()) {
        m_playing = false;
        return false;
    }
    ++m_step;
    m_playing = !atLast();
    return true;
}

void StepPlayer::setSpeed(int index)
{
    m_speed = std::clamp(index, 0, static_cast<int>(speeds().size()) - 1);
}

int StepPlayer::interval() const
{
    return speeds()[static_cast<std::size_t>(m_speed)].interval;
}

bool StepPlayer::press(Key key)
{
    return apply(moveFor(key));
}

bool StepPlayer::apply(Move move)
{
    switch (move) {
    case Move::First:
        return first();
    case Move::Back:
        return back();
    case Move::Forward:
        return forward();
    case Move::Last:
        return last();
    case Move::PlayPause:
        break;
    }
    return togglePlay();
}

} // namespace lesson
