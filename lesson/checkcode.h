#pragma once

// The check code a student hands in after a round, and the teacher's table of many codes.
//
// A code is one line: the name the student typed (optional), a blank, and the body, for example
// `Петров Иван 0G4Y-9K2M-4T`. The body is in groups of four characters of
// 0123456789ABCDEFGHJKMNPQRSTVWXYZ (no I, L, O or U, which read as digits or each other), each
// character five bits:
//   version (2 bits, 0), topic (2: pickmin, pairswap, tally, the loan), asked at every step (1),
//   drawn from a seed (1); then the seed, or the count of the task's numbers' characters and the
//   characters four bits each (0-9 . , - + E, 15 between numbers); the questions asked, those
//   right, the count of mistakes and each mistake's step and kind (4 bits); zero bits to a whole
//   character; and a CRC of 20 bits (x^20 + x^3 + 1) over the name's UTF-16 code units and the
//   characters before it, as four characters.
// Counts and seeds are written in groups of four bits, low first, each after a bit that says
// whether another group follows. Decoding takes lower-case letters as upper-case ones, and the
// body with or without its dashes; any other changed character makes the code invalid: a change of
// one character of the body, or of one letter of the name into another, is always caught.
// The checksum only catches typos: anyone who reads this can make a code for any score.

#include "quiz.h"
#include "task.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

struct CheckMistake {
    QuestionKind kind;
    int step;

    bool operator==(const CheckMistake &) const = default;
};

struct CheckRecord {
    Task task;
    bool askAll = false;
    std::u16string name; // blanks trimmed and runs of them made one
    int asked = 0, right = 0;
    std::vector<CheckMistake> mistakes;

    bool operator==(const CheckRecord &) const = default;
};
CheckRecord checkRecord(const Round &, Task, bool askAll, std::u16string_view name);

// Throws std::invalid_argument for a task that no code holds: a number with a character other than
// the digits, . , - + E, or more than 1000 of them.
std::u16string encodeCheckCode(const CheckRecord &);
// The record of one line, blanks around it ignored; nothing when the code is not valid.
std::optional<CheckRecord> decodeCheckCode(std::u16string_view line);

// The teacher's table: one row a non-empty line of `pasted`.
struct CheckRow {
    bool valid = false;
    int right = 0, asked = 0;
    // For a valid code: the name, «pickmin, вариант 12» or «Bank: 5000000, 12, 800000», «8 из 10»,
    // «шаг 17 — обмен; шаг 45 — место» or «нет»; for an invalid one the line as pasted in `name`
    // and why in `mistakes`.
    std::u16string name, task, score, mistakes;
};
std::vector<CheckRow> checkTable(std::u16string_view pasted);
// «Имя», «Задание», «Результат», «Ошибки», «Код».
const std::vector<std::u16string> &checkTableHeaders();
// «верен» or «неверен», the last column.
std::u16string_view checkValidText(bool valid);

} // namespace lesson
