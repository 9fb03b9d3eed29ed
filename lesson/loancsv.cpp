#include "loancsv.h"

#include "lessontext.h"
#include "loanlesson.h"
#include "utf8.h"

namespace lesson {

// Spreadsheets set to Russian read a comma as the decimal mark, so they expect ';' between
// fields; a byte order mark is what makes them take the file as UTF-8 rather than a Cyrillic code
// page; CR LF is the line end CSV files are written with. Amounts keep the window's two decimals
// and no grouping, so every cell reads as a number.
std::string loanCsv(const LoanTrace &trace)
{
    const auto amount = [](double value) {
        std::u16string text = formatAmount(value);
        for (char16_t &c : text) {
            if (c == u'.')
                c = u',';
        }
        return text;
    };
    const auto field = [](std::u16string_view text) {
        std::string cell = toUtf8(text);
        if (cell.find_first_of(";\"\r\n") == std::string::npos)
            return cell;
        std::string quoted = "\"";
        for (const char c : cell)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + '"';
    };
    const auto row = [&](const LoanYear &year, std::u16string_view note) {
        return std::to_string(year.year) + ';' + toUtf8(amount(year.owedAtStart)) + ';' +
               toUtf8(amount(year.interest)) + ';' + toUtf8(amount(year.payment)) + ';' +
               toUtf8(amount(year.owedAtEnd)) + ';' + field(note) + "\r\n";
    };

    std::string csv = "\xEF\xBB\xBF";
    for (const std::u16string_view header : LoanLesson::headers())
        csv += field(header) + ';';
    csv += field(LoanLesson::noteHeader()) + "\r\n";
    csv.reserve(csv.size() + trace.years.size() * 64);
    for (const LoanYear &year : trace.years)
        csv += row(year, {});
    if (trace.partial) {
        csv += std::to_string(trace.years.size() + 1) + ';' + toUtf8(amount(trace.remainder)) +
               ";;;;" + field(partialYearNote(amount(trace.share))) + "\r\n";
    } else if (trace.stoppedInYear != 0) {
        csv += row(trace.stop, trace.message);
    } else if (!trace.message.empty()) {
        csv += ";;;;;" + field(trace.message) + "\r\n";
    }
    return csv;
}

} // namespace lesson
