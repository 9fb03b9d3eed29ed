#pragma once

#include <QApplication>

// Starts a program whose one window is of type Window; the name titles its message boxes.
template<class Window>
int runProgram(int argc, char **argv, const QString &name)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(name);
    Window window;
    window.show();
    return QApplication::exec();
}
