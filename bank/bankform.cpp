#include "bankform.h"

#include "conversions.h"

namespace {

FormLayout bankLayout()
{
    using Kind = ControlLayout::Kind;
    return FormLayout{
        u"Займ в банке",
        6024,
        3012,
        {
            {Kind::Label, u"Label1", u"Занимаемая сумма, руб.:", 240, 240, 3012, 252, 2},
            {Kind::TextBox, u"Text1", u"5000000", 3600, 120, 2292, 372, 6,
             u"Занимаемая сумма, руб."},
            {Kind::Label, u"Label2", u"Годовая ставка, %", 240, 720, 3132, 252, 3},
            {Kind::TextBox, u"Text2", u"12", 3600, 600, 2292, 372, 7, u"Годовая ставка, %"},
            {Kind::Label, u"Label3", u"Годовая выплата, руб.", 240, 1200, 3132, 252, 4},
            {Kind::TextBox, u"Text3", u"800000", 3600, 1080, 2292, 372, 8,
             u"Годовая выплата, руб."},
            {Kind::Label, u"Label4",
             u"Программа рассчитывает, на какой период можно взять займ в банке при известной "
             u"годовой ставке и годовой выплате. Введите данные в поля ввода и нажмите кнопку "
             u"'Расчет'. Проценты предполагаются простыми.",
             240, 1560, 5532, 852, 5},
            {Kind::CommandButton, u"Command2", u"Расчет", 2280, 2520, 1692, 372, 0},
            {Kind::CommandButton, u"Command3", u"Выход", 4200, 2520, 1692, 372, 1},
        },
        u"Command2",
    };
}

// The year count stays a 16-bit count.
constexpr int LongestTerm = 32767;

} // namespace

BankForm::BankForm()
    : Form(bankLayout(), u"Bank")
    , Text1(textBox(u"Text1"))
    , Text2(textBox(u"Text2"))
    , Text3(textBox(u"Text3"))
    , Label4(label(u"Label4"))
    , Command2(commandButton(u"Command2"))
    , Command3(commandButton(u"Command3"))
{
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
}

void BankForm::Command2_Click()
{
    NumericValue amount = textToNumber(Text1.text());
    const NumericValue rate = textToNumber(Text2.text());
    const NumericValue payment = textToNumber(Text3.text());

    // All five checks are evaluated. An amount and a payment both 0 would leave a share of 0 by 0.
    const NumericValue unusable = amount.compareLess(0) | payment.compareLess(0) |
                                  rate.compareLess(0) | rate.compareGreater(100) |
                                  amount.compareLess(payment);
    if (unusable.isTrue() || (amount == 0 && payment == 0)) {
        showMessage(u"Проверьте свои данные и повторите ввод!");
        return;
    }

    NumericValue years = 0;
    const NumericValue startingAmount = amount;
    if (m_recorder)
        m_recorder->started(amount, rate, payment);
    while (amount > payment) {
        NumericValue interest = amount * rate / 100;
        amount += interest;
        amount -= payment;
        if (m_recorder)
            m_recorder->yearComputed(interest, amount);
        // Also catches an amount grown to infinity.
        if (amount >= startingAmount) {
            showMessage(u"Выплаты за год не покрывают процентную ставку! Измените данные.");
            return;
        }
        // Bounds the loop, also where a year no longer changes the amount in double precision.
        if (years == LongestTerm) {
            showMessage(u"Срок погашения превышает 32767 лет! Измените данные.");
            return;
        }
        years += 1;
    }

    const NumericValue share = amount / payment;
    if (m_recorder)
        m_recorder->finished(amount, share);
    Label4.setCaption(u"Количество полных лет:" + numberToText(years) +
                      std::u16string(Label::LineBreak) + u"Остаток суммы " +
                      formatWithPattern(amount, u"###0.00") + u" (это еще " +
                      formatWithPattern(share, u"###0.00") + u" г.)");
}

void BankForm::Command3_Click()
{
    unload();
}
