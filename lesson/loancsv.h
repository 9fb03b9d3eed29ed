#pragma once

#include "loantrace.h"

#include <string>

namespace lesson {

// The loan table as CSV for spreadsheets in a Russian locale: ';' separator, ',' as the decimal
// mark, UTF-8 with a byte order mark, CR LF line ends; the loan table's headers (LoanLesson) and
// rows, the partial last year and the stop row with their notes, or the window's message alone
// for a loan it refused.
std::string loanCsv(const LoanTrace &);

} // namespace lesson
