#include "application.h"

#include "form.h"
#include "qtext.h"

#include <QLibraryInfo>
#include <QTranslator>

void prepareApplication(const Form &form)
{
    QApplication::setApplicationName(toQString(form.programName()));
    loadRussianQtTexts();
}

void loadRussianQtTexts()
{
    static QTranslator translator;
    if (translator.isEmpty() && translator.load(QStringLiteral("qtbase_ru"),
                                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}
