#pragma once

#include "messagebox.h"

#include <QStringList>

// Collects the prompts shown while it lives, instead of showing message boxes.
class MessageCapture {
public:
    MessageCapture()
        : m_previous(setMessagePresenter(
              [this](const QString &prompt, const QString &) { prompts.append(prompt); }))
    {
    }
    ~MessageCapture() { setMessagePresenter(std::move(m_previous)); }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QStringList prompts;

private:
    MessagePresenter m_previous;
};
