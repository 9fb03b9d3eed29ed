#pragma once

#include <QString>
#include <functional>

class QWidget;

// Shows the prompt in a modal box with one OK button and no icon, and returns when the user has
// closed it.
void presentMessage(const QString &prompt, const QString &title, QWidget *parent);

// Replaces what presents the prompt (tests capture it instead of running a modal loop) and
// returns the presenter it replaced; an empty function restores the message box.
using MessagePresenter = std::function<void(const QString &prompt, const QString &title)>;
MessagePresenter setMessagePresenter(MessagePresenter presenter);
