#pragma once

#include "form.h"

class CommandButton;
class Label;
class TextBox;

// The loan term calculator: from an amount, a yearly rate in percent and a yearly payment it
// counts the full years of repayment and shows what is left for the last, partial year.
class BankWindow : public Form {
    Q_OBJECT
public:
    explicit BankWindow(QWidget *parent = nullptr);

    TextBox *const Text1;
    TextBox *const Text2;
    TextBox *const Text3;
    Label *const Label4;
    CommandButton *const Command2;
    CommandButton *const Command3;

    void Command2_Click();
    void Command3_Click();
};
