#pragma once

// Everything the loan shows, as texts the views only draw: the window's result, the table's
// headers and rows with a sentence each, the totals and the chart. A loan may run for 32767
// years, so rows are made one at a time by index and the chart's points thinned to what is drawn.

#include "loantrace.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

// The table's columns, indices into LoanRow::cells and LoanLesson::headers().
struct LoanColumn {
    enum : int { Year, OwedAtStart, Interest, Payment, OwedAtEnd, Count };
};

struct LoanRow {
    enum class Kind {
        Full,    // a year the loop counted
        Partial, // the last, partial year: the remainder, paid without interest
        Stopped, // the year the loop stopped in, with the window's message
    };
    Kind kind = Kind::Full;
    int year = 0; // 1-based (the web's data-year)
    // By LoanColumn, amounts as the window formats them (formatAmount). The year cell is the
    // number, then the label for a partial or stopped year («13, неполный год»). A partial year
    // has only its remainder, under OwedAtStart: no interest, and its payment is no full payment.
    std::array<std::u16string, LoanColumn::Count> cells;
    std::u16string label; // «неполный год» / «остановка»; empty for a full year
    // The row's note for the table's last column and the CSV: why the row is marked, e.g.
    // «неполный год: остаток 0.22 годовой выплаты».
    std::u16string note;
    // The year told in words, e.g. «Год 1: долг на начало года 5000000.00 руб., проценты 12% —
    // 600000.00 руб., выплата 800000.00 руб., на конец года остаётся 4800000.00 руб.»
    std::u16string sentence;
};

struct LoanTotals {
    std::u16string paid; // всего выплачено: each full year's payment and the remainder
    std::u16string interest; // переплата: the interest paid, which is what was paid over the loan
    std::u16string sentence; // «Всего выплачено 9773373.35 руб., из них переплата … руб.»
};

struct LoanChart {
    struct Axis {
        std::u16string title;
        double low = 0, high = 1; // never equal
        struct Tick {
            double at;
            std::u16string label;
        };
        std::vector<Tick> ticks; // round values from low to high, each label once
    };
    struct Point {
        double year, owed;
    };
    std::u16string title;       // «Долг на конец года, руб.»
    std::u16string description; // the line read out: where it starts and ends
    Axis years, amounts;
    // What is owed before the first year and at the end of each year shown, then 0 once the
    // partial year is paid; at most `maxPoints` of them, the first and last always among them.
    std::vector<Point> points;
};

class LoanLesson {
public:
    // The window's start values.
    LoanLesson();
    explicit LoanLesson(LoanTrace);
    LoanLesson(std::u16string_view amount, std::u16string_view rate, std::u16string_view payment);

    const LoanTrace &trace() const { return m_trace; }
    // The window's result or message, its line breaks as '\n'.
    std::u16string summary() const;
    // The window computed a table: the CSV is offered only then.
    bool hasTable() const { return rowCount() > 0; }

    static const std::array<std::u16string_view, LoanColumn::Count> &headers();
    static std::u16string_view noteHeader(); // «Примечание», the CSV's last column
    static std::u16string_view tableName();  // «Годы погашения»

    // Full years, then the partial or stopped year when there is one.
    int rowCount() const;
    LoanRow row(int index) const; // std::out_of_range beyond rowCount()

    bool hasTotals() const { return m_trace.partial; }
    LoanTotals totals() const; // empty texts when !hasTotals()

    LoanChart chart(int maxPoints = 2000) const;

    std::string csv() const; // loanCsv of this loan, made when asked

private:
    LoanTrace m_trace;
    double m_interestPaid = 0, m_paid = 0;
};

} // namespace lesson
