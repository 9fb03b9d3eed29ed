// Any text in the entry box gives ten numbers, or ends the click with the overflow error; the text
// is never changed and the selection stays within it.
#include "entryonlyform.h"
#include "texts.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Set by the presenter when the click ends with the overflow error, the one error any text may
// give; any other message ends the run.
bool failed = false;

EntryOnlyForm &makeForm(SortingForm::Precision precision)
{
    static EntryOnlyForm doubles(SortingForm::Precision::Double);
    static EntryOnlyForm singles(SortingForm::Precision::Single);
    static const bool presenting = [] {
        for (EntryOnlyForm *form : {&doubles, &singles}) {
            form->setPresenter([](const std::u16string &prompt, const std::u16string &) {
                if (prompt != Texts::OverflowError)
                    std::abort();
                failed = true;
            });
        }
        return true;
    }();
    (void)presenting;
    return precision == SortingForm::Precision::Single ? singles : doubles;
}

bool holdsNumber(const NumericValue &value)
{
    return value.type() == NumericValue::Type::Double || value.type() == NumericValue::Type::Single;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    EntryOnlyForm &form =
        makeForm(data[0] % 2 ? SortingForm::Precision::Single : SortingForm::Precision::Double);

    // The bytes after the first need not be aligned for UTF-16.
    std::u16string text((size - 1) / 2, u'\0');
    std::memcpy(text.data(), data + 1, text.size() * sizeof(char16_t));
    form.Text1.setText(text);
    const std::u16string shown = form.Text1.text();
    for (int i = 1; i <= 10; ++i)
        form.ElementArray[i] = NumericValue();
    failed = false;
    form.click(form.Command1);
    if (form.Text1.text() != shown)
        std::abort();
    const std::int32_t start = form.Text1.selStart();
    if (start < 0 || start + form.Text1.selLength() > static_cast<std::int32_t>(shown.size()))
        std::abort();
    if (!failed) {
        for (int i = 1; i <= 10; ++i) {
            if (!holdsNumber(form.ElementArray[i]))
                std::abort();
        }
        const std::u16string &caption = form.Label1.caption();
        const std::size_t lineBreak = caption.find(u"\r\n");
        int numbers = 0;
        bool inNumber = false;
        for (std::size_t i = lineBreak + 2; i < caption.size(); ++i) {
            numbers += !inNumber && caption[i] != u' ';
            inNumber = caption[i] != u' ';
        }
        if (numbers != 10)
            std::abort();
    }
    return 0;
}
