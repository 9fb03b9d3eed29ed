#pragma once

#include <QString>
#include <functional>

// Shows the prompt in a modal box with one OK button and no icon, titled with the program's
// name, and returns when the user has closed it.
void showMessage(const QString &prompt);

// Replaces what presents the prompt (tests capture it instead of running a modal loop) and
// returns the presenter it replaced; an empty function restores the message box.
using MessagePresenter = std::function<void(const QString &prompt, const QString &title)>;
MessagePresenter setMessagePresenter(MessagePresenter presenter);
