#include "bankwindow.h"

#include "commandbutton.h"
#include "conversions.h"
#include "label.h"
#include "messagebox.h"
#include "numericvalue.h"
#include "textbox.h"

using namespace Qt::StringLiterals;

namespace {

FormLayout bankLayout()
{
    using Kind = ControlLayout::Kind;
    return FormLayout{
        u"Займ в банке"_s,
        6024,
        3012,
        {
            {Kind::Label, u"Label1"_s, u"Занимаемая сумма, руб.:"_s, 240, 240, 3012, 252, 2},
            {Kind::TextBox, u"Text1"_s, u"5000000"_s, 3600, 120, 2292, 372, 6,
             u"Занимаемая сумма, руб."_s},
            {Kind::Label, u"Label2"_s, u"Годовая ставка, %"_s, 240, 720, 3132, 252, 3},
            {Kind::TextBox, u"Text2"_s, u"12"_s, 3600, 600, 2292, 372, 7, u"Годовая ставка, %"_s},
            {Kind::Label, u"Label3"_s, u"Годовая выплата, руб."_s, 240, 1200, 3132, 252, 4},
            {Kind::TextBox, u"Text3"_s, u"800000"_s, 3600, 1080, 2292, 372, 8,
             u"Годовая выплата, руб."_s},
            {Kind::Label, u"Label4"_s,
             u"Программа рассчитывает, на какой период можно взять займ в банке при известной "
             u"годовой ставке и годовой выплате. Введите данные в поля ввода и нажмите кнопку "
             u"'Расчет'. Проценты предполагаются простыми."_s,
             240, 1560, 5532, 852, 5},
            {Kind::CommandButton, u"Command2"_s, u"Расчет"_s, 2280, 2520, 1692, 372, 0},
            {Kind::CommandButton, u"Command3"_s, u"Выход"_s, 4200, 2520, 1692, 372, 1},
        },
        u"Command2"_s,
    };
}

// The year count stays a 16-bit count.
constexpr int LongestTerm = 32767;

} // namespace

BankWindow::BankWindow(QWidget *parent)
    : Form(bankLayout(), parent)
    , Text1(textBox(u"Text1"_s))
    , Text2(textBox(u"Text2"_s))
    , Text3(textBox(u"Text3"_s))
    , Label4(label(u"Label4"_s))
    , Command2(commandButton(u"Command2"_s))
    , Command3(commandButton(u"Command3"_s))
{
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
}

void BankWindow::Command2_Click()
{
    NumericValue amount = textToNumber(Text1->text());
    const NumericValue rate = textToNumber(Text2->text());
    const NumericValue payment = textToNumber(Text3->text());

    // All five checks are evaluated. An amount and a payment both 0 would leave a share of 0 by 0.
    const NumericValue unusable = amount.compareLess(0) | payment.compareLess(0) |
                                  rate.compareLess(0) | rate.compareGreater(100) |
                                  amount.compareLess(payment);
    if (unusable.isTrue() || (amount == 0 && payment == 0)) {
        showMessage(u"Проверьте свои данные и повторите ввод!"_s);
        return;
    }

    NumericValue years = 0;
    const NumericValue startingAmount = amount;
    while (amount > payment) {
        NumericValue interest = amount;
        interest *= rate;
        interest /= 100;
        amount += interest;
        amount -= payment;
        // Also catches an amount grown to infinity.
        if (amount >= startingAmount) {
            showMessage(u"Выплаты за год не покрывают процентную ставку! Измените данные."_s);
            return;
        }
        // Bounds the loop, also where a year no longer changes the amount in double precision.
        if (years == LongestTerm) {
            showMessage(u"Срок погашения превышает 32767 лет! Измените данные."_s);
            return;
        }
        years += 1;
    }

    const QString remainder = formatWithPattern(amount, u"###0.00");
    const QString share = formatWithPattern(amount / payment, u"###0.00");
    Label4->setCaption(u"Количество полных лет:"_s + numberToText(years) + charFromCode(13) +
                       charFromCode(10) + u"Остаток суммы "_s + remainder + u" (это еще "_s +
                       share + u" г.)"_s);
}

void BankWindow::Command3_Click()
{
    unload();
}
