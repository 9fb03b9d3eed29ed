#include "application.h"
#include "lessonwindow.h"

// `lesson 'URL-or-fragment'` opens the state a web lesson's link holds.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lesson"));
    loadRussianQtTexts();
    LessonWindow window;
    if (argc > 1)
        window.openLink(QString::fromLocal8Bit(argv[1]));
    window.show();
    return QApplication::exec();
}
