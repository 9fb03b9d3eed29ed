#include "application.h"
#include "lessonwindow.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lesson"));
    loadRussianQtTexts();
    LessonWindow window;
    window.show();
    return QApplication::exec();
}
