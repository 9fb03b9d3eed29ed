#pragma once

#include "formview.h"
#include "qtext.h"

#include <QApplication>

// Starts a program whose one window shows a form of type Program.
template<class Program>
int runProgram(int argc, char **argv)
{
    QApplication application(argc, argv);
    Program form;
    QApplication::setApplicationName(toQString(form.programName()));
    FormView window(form);
    window.show();
    return QApplication::exec();
}
