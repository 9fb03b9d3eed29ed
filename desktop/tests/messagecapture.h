#pragma once

#include "messagebox.h"

#include <QStringList>
#include <functional>

// Collects the prompts shown while it lives, instead of showing message boxes; `onMessage` runs
// while each would be open.
class MessageCapture {
public:
    MessageCapture()
        : m_previous(setMessagePresenter([this](const QString &prompt, const QString &title) {
            prompts.append(prompt);
            titles.append(title);
            if (onMessage)
                onMessage();
        }))
    {
    }
    ~MessageCapture() { setMessagePresenter(std::move(m_previous)); }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QStringList prompts;
    QStringList titles;
    std::function<void()> onMessage;

private:
    MessagePresenter m_previous;
};
