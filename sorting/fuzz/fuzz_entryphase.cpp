// Any text in the entry box gives ten numbers, or ends the click with the overflow error; the text
// is never changed and the selection stays within it.
#include "label.h"
#include "runtimeerror.h"
#include "sortingwindow.h"
#include "textbox.h"

#include <QApplication>
#include <cstdlib>

namespace {

class EntryOnlyWindow : public SortingWindow {
public:
    explicit EntryOnlyWindow(Precision precision)
        : SortingWindow(QString(), precision)
    {
    }

protected:
    void sortAndShow() override {}
};

bool holdsNumber(const NumericValue &value)
{
    return value.type() == NumericValue::Type::Double || value.type() == NumericValue::Type::Single;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static EntryOnlyWindow doubles(SortingWindow::Precision::Double);
    static EntryOnlyWindow singles(SortingWindow::Precision::Single);
    EntryOnlyWindow &window = data[0] % 2 ? singles : doubles;

    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 1),
                                            static_cast<qsizetype>((size - 1) / 2));
    window.Text1->setText(text);
    const QString shown = window.Text1->text();
    for (int i = 1; i <= 10; ++i)
        window.ElementArray[i] = NumericValue();
    bool finished = false;
    try {
        window.Command1_Click();
        finished = true;
    } catch (const RuntimeError &error) {
        if (error.kind() != RuntimeError::Kind::Overflow)
            std::abort();
    }
    if (window.Text1->text() != shown)
        std::abort();
    const int start = window.Text1->selStart();
    if (start < 0 || start + window.Text1->selLength() > shown.size())
        std::abort();
    if (finished) {
        for (int i = 1; i <= 10; ++i) {
            if (!holdsNumber(window.ElementArray[i]))
                std::abort();
        }
        const QString echo = window.Label1->caption().section(QStringLiteral("\r\n"), 1);
        if (echo.split(u' ', Qt::SkipEmptyParts).size() != 10)
            std::abort();
    }
    return 0;
}
