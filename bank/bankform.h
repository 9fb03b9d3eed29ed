#pragma once

#include "form.h"
#include "numericvalue.h"

// What the year loop reports to a recorder that the lesson attaches.
class LoanRecorder {
public:
    virtual ~LoanRecorder() = default;

    // The input passed the checks; the first year starts from `amount`.
    virtual void started(const NumericValue &amount, const NumericValue &rate,
                         const NumericValue &payment) = 0;
    // A year's interest was added and its payment subtracted, leaving `owed`; the tests that may
    // stop the loop in this year come next.
    virtual void yearComputed(const NumericValue &interest, const NumericValue &owed) = 0;
    // The loop ended: what is left for the partial last year, and its share of a payment.
    virtual void finished(const NumericValue &remainder, const NumericValue &share) = 0;
};

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

    // Null (the default) for none: then a year costs only the test of this pointer.
    void setRecorder(LoanRecorder *recorder) { m_recorder = recorder; }

private:
    LoanRecorder *m_recorder = nullptr;
};
