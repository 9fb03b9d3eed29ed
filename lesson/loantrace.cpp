#include "loantrace.h"

#include "bankform.h"
#include "conversions.h"

#include <cmath>

namespace lesson {

namespace {

// What the year loop reports, as rows of plain numbers: a long loan keeps no texts.
class YearRecorder final : public LoanRecorder {
public:
    explicit YearRecorder(LoanTrace &trace)
        : m_trace(trace)
    {
    }

    bool hasFinished() const { return m_finished; }

    void started(const NumericValue &amount, const NumericValue &rate,
                 const NumericValue &payment) override
    {
        m_trace.rate = rate.toDouble();
        m_owed = amount.toDouble();
        m_payment = payment.toDouble();
    }

    void yearComputed(const NumericValue &interest, const NumericValue &owed) override
    {
        const double owedAtEnd = owed.toDouble();
        m_trace.years.push_back(LoanYear{static_cast<int>(m_trace.years.size()) + 1, m_owed,
                                         interest.toDouble(), m_payment, owedAtEnd});
        m_owed = owedAtEnd;
    }

    void finished(const NumericValue &remainder, const NumericValue &share) override
    {
        m_finished = true;
        m_trace.remainder = remainder.toDouble();
        m_trace.share = share.toDouble();
    }

private:
    LoanTrace &m_trace;
    double m_owed = 0;
    double m_payment = 0;
    bool m_finished = false;
};

} // namespace

LoanTrace traceLoan(std::u16string_view amount, std::u16string_view rate,
                    std::u16string_view payment)
{
    BankForm bank;
    LoanTrace trace;
    YearRecorder recorder(trace);
    bank.setRecorder(&recorder);
    bank.setPresenter(
        [&trace](const std::u16string &prompt, const std::u16string &) { trace.message = prompt; });
    bank.Text1.setText(amount);
    bank.Text2.setText(rate);
    bank.Text3.setText(payment);
    bank.click(bank.Command2);
    if (recorder.hasFinished() && trace.message.empty()) {
        trace.partial = true;
        trace.caption = bank.Label4.caption();
    } else if (!trace.message.empty() && !trace.years.empty()) {
        // The year the loop stopped in was computed but not counted.
        trace.stop = trace.years.back();
        trace.years.pop_back();
        trace.stoppedInYear = trace.stop.year;
    }
    return trace;
}

std::u16string formatAmount(double amount)
{
    // Only the year a loan stops in can leave the range of doubles; the window shows no such year.
    if (!std::isfinite(amount))
        return amount < 0 ? u"-∞" : u"∞";
    return formatWithPattern(amount, u"###0.00");
}

} // namespace lesson
