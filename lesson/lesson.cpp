#include "lesson.h"

// Stubs for now: the shape of the contract, so that the views can build on it.
namespace lesson {

std::u16string methodProgram(Method method)
{
    switch (method) {
    case Method::PickMin:
        return u"pickmin";
    case Method::PairSwap:
        return u"pairswap";
    case Method::Tally:
        break;
    }
    return u"tally";
}

std::optional<Method> methodFromProgram(std::u16string_view program)
{
    for (const Method method : {Method::PickMin, Method::PairSwap, Method::Tally}) {
        if (methodProgram(method) == program)
            return method;
    }
    return std::nullopt;
}

const std::vector<std::u16string> &methodLines(Method)
{
    static const std::vector<std::u16string> none;
    return none;
}

std::u16string SortTrace::resultLine() const
{
    return {};
}

SortTrace traceSort(Method method, std::u16string_view)
{
    return SortTrace{method, {}, {}, {}, {}, {}, {}};
}

std::u16string compareNote(const SortTrace &, const SortTrace &, const SortTrace &)
{
    return {};
}

LoanTrace traceLoan(std::u16string_view, std::u16string_view, std::u16string_view)
{
    return {};
}

std::u16string formatAmount(double)
{
    return {};
}

std::string loanCsv(const LoanTrace &)
{
    return {};
}

} // namespace lesson
