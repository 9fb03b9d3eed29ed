#pragma once

#include "formview.h"

#include <QApplication>

class Form;

// Names the application after the program and loads Qt's Russian texts for its standard
// widgets (an entry box's context menu), whatever the locale.
void prepareApplication(const Form &form);
// Loads Qt's Russian texts for its standard widgets and dialogs, whatever the locale.
void loadRussianQtTexts();

// Starts a program whose one window shows a form of type Program.
template<class Program>
int runProgram(int argc, char **argv)
{
    QApplication application(argc, argv);
    Program form;
    prepareApplication(form);
    FormView window(form);
    window.show();
    return QApplication::exec();
}
