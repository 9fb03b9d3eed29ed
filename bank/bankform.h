#pragma once

#include "form.h"

// The loan term calculator: from an amount, a yearly rate in percent and a yearly payment it
// counts the full years of repayment and shows what is left for the last, partial year.
class BankForm : public Form {
public:
    BankForm();

    TextBox &Text1;
    TextBox &Text2;
    TextBox &Text3;
    Label &Label4;
    CommandButton &Command2;
    CommandButton &Command3;

    void Command2_Click();
    void Command3_Click();
};
