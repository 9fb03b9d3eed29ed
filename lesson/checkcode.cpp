#include "checkcode.h"

#include "controls.h"
#include "programs.h"

#include <algorithm>
#include <stdexcept>

namespace lesson {

namespace {

constexpr std::u16string_view Alphabet = u"0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr std::u16string_view NumberCharacters = u"0123456789.,-+E";
constexpr unsigned NumberSeparator = 15;
constexpr int GroupSize = 4;
constexpr int CrcBits = 20;
constexpr std::size_t LongestName = 60;
constexpr std::size_t LongestNumbers = 1000;
constexpr std::uint64_t LongestRound = 100000;

class BitWriter {
public:
    void write(unsigned value, int bits)
    {
        for (int bit = bits - 1; bit >= 0; --bit)
            m_bits.push_back((value >> bit) & 1);
    }
    void writeCount(std::uint64_t value)
    {
        do {
            write((value > 15) << 4 | (value & 15), 5);
            value >>= 4;
        } while (value != 0);
    }
    // The five-bit characters, the last filled with zeros.
    std::vector<unsigned> symbols() const
    {
        std::vector<unsigned> symbols;
        for (std::size_t i = 0; i < m_bits.size(); i += 5) {
            unsigned symbol = 0;
            for (std::size_t bit = i; bit < i + 5; ++bit)
                symbol = symbol << 1 | (bit < m_bits.size() && m_bits[bit]);
            symbols.push_back(symbol);
        }
        return symbols;
    }

private:
    std::vector<bool> m_bits;
};

class BitReader {
public:
    explicit BitReader(const std::vector<unsigned> &symbols)
    {
        for (const unsigned symbol : symbols) {
            for (int bit = 4; bit >= 0; --bit)
                m_bits.push_back((symbol >> bit) & 1);
        }
    }
    // Reading past the end, or a count beyond 32 bits, marks the reader as failed.
    unsigned read(int bits)
    {
        unsigned value = 0;
        for (int i = 0; i < bits; ++i) {
            if (m_next == m_bits.size()) {
                m_failed = true;
                return 0;
            }
            value = value << 1 | m_bits[m_next++];
        }
        return value;
    }
    std::uint64_t readCount()
    {
        std::uint64_t value = 0;
        for (int shift = 0; !m_failed; shift += 4) {
            const unsigned group = read(5);
            if (shift > 28) {
                m_failed = true;
                break;
            }
            value |= std::uint64_t{group & 15} << shift;
            if ((group & 16) == 0)
                break;
        }
        return value;
    }
    bool failed() const { return m_failed; }
    // Only the zeros that fill the last character are left.
    bool atEnd() const
    {
        return !m_failed && m_bits.size() - m_next < 5 &&
               std::find(m_bits.begin() + static_cast<std::ptrdiff_t>(m_next), m_bits.end(),
                         true) == m_bits.end();
    }

private:
    std::vector<bool> m_bits;
    std::size_t m_next = 0;
    bool m_failed = false;
};

unsigned crc(std::u16string_view name, const std::vector<unsigned> &symbols)
{
    unsigned value = (1u << CrcBits) - 1;
    const auto add = [&value](unsigned byte) {
        for (int bit = 7; bit >= 0; --bit) {
            const bool top = ((value >> (CrcBits - 1)) ^ (byte >> bit)) & 1;
            value = (value << 1) & ((1u << CrcBits) - 1);
            if (top)
                value ^= 0x9; // x^3 + 1
        }
    };
    for (const char16_t unit : name) {
        add(unit >> 8);
        add(unit & 0xFF);
    }
    add(0);
    add(0);
    for (const unsigned symbol : symbols)
        add(symbol);
    return value;
}

// Blanks of any kind as an entry box reads them, each run made one, none around.
std::u16string oneBlankBetween(std::u16string_view text)
{
    std::u16string kept;
    for (const char16_t c : asOneLine(text)) {
        if (c != u' ' || (!kept.empty() && kept.back() != u' '))
            kept += c;
    }
    if (!kept.empty() && kept.back() == u' ')
        kept.pop_back();
    return kept;
}

std::u16string number(std::uint64_t value)
{
    std::u16string text;
    do {
        text.insert(text.begin(), char16_t(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return text;
}

// The program of a topic, by the build's list.
std::u16string programName(const std::optional<Method> &method)
{
    if (method)
        return methodProgram(*method);
    for (const ProgramForm &program : Programs) {
        if (dynamic_cast<const BankForm *>(program.make().get()))
            return std::u16string(program.name.begin(), program.name.end());
    }
    return {};
}

unsigned topicOf(const std::optional<Method> &method)
{
    return method ? static_cast<unsigned>(*method) : 3;
}

std::size_t numbersOf(const std::optional<Method> &method)
{
    return method ? 10 : 3;
}

} // namespace

CheckRecord checkRecord(const Round &round, Task task, bool askAll, std::u16string_view name)
{
    CheckRecord record{std::move(task), askAll,        oneBlankBetween(name),
                       round.asked(),   round.right(), {}};
    if (record.name.size() > LongestName)
        record.name.resize(LongestName);
    for (const Mistake &mistake : round.mistakes())
        record.mistakes.push_back({mistake.kind, mistake.step});
    return record;
}

std::u16string encodeCheckCode(const CheckRecord &record)
{
    const Task &task = record.task;
    BitWriter bits;
    bits.write(0, 2);
    bits.write(topicOf(task.method), 2);
    bits.write(record.askAll, 1);
    bits.write(task.seed.has_value(), 1);
    if (task.seed) {
        bits.writeCount(*task.seed);
    } else {
        if (task.numbers.size() != numbersOf(task.method))
            throw std::invalid_argument("check code: the task's numbers");
        std::vector<unsigned> characters;
        for (const std::u16string &text : task.numbers) {
            if (!characters.empty())
                characters.push_back(NumberSeparator);
            for (const char16_t c : text) {
                const auto at = NumberCharacters.find(c);
                if (at == std::u16string_view::npos)
                    throw std::invalid_argument("check code: a character of the task's numbers");
                characters.push_back(static_cast<unsigned>(at));
            }
        }
        if (characters.size() > LongestNumbers)
            throw std::invalid_argument("check code: the task's numbers are too long");
        bits.writeCount(characters.size());
        for (const unsigned character : characters)
            bits.write(character, 4);
    }
    bits.writeCount(static_cast<std::uint64_t>(record.asked));
    bits.writeCount(static_cast<std::uint64_t>(record.right));
    bits.writeCount(record.mistakes.size());
    for (const CheckMistake &mistake : record.mistakes) {
        bits.writeCount(static_cast<std::uint64_t>(mistake.step));
        bits.write(static_cast<unsigned>(mistake.kind), 4);
    }

    std::vector<unsigned> symbols = bits.symbols();
    const std::u16string name = oneBlankBetween(record.name);
    const unsigned check = crc(name, symbols);
    for (int shift = CrcBits - 5; shift >= 0; shift -= 5)
        symbols.push_back((check >> shift) & 31);

    std::u16string body;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (i != 0 && i % GroupSize == 0)
            body += u'-';
        body += Alphabet[symbols[i]];
    }
    return name.empty() ? body : name + u' ' + body;
}

std::optional<CheckRecord> decodeCheckCode(std::u16string_view line)
{
    const std::u16string text = oneBlankBetween(line);
    const auto lastBlank = text.rfind(u' ');
    const std::u16string name = lastBlank == std::u16string::npos ? u"" : text.substr(0, lastBlank);
    const std::u16string_view body =
        std::u16string_view(text).substr(lastBlank == std::u16string::npos ? 0 : lastBlank + 1);

    // Dashes between all groups of four, or none at all.
    const bool dashed = body.find(u'-') != std::u16string_view::npos;
    std::vector<unsigned> symbols;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const bool dashHere = dashed && i % (GroupSize + 1) == GroupSize;
        if (dashHere != (body[i] == u'-'))
            return std::nullopt;
        if (dashHere)
            continue;
        char16_t c = body[i];
        if (c >= u'a' && c <= u'z')
            c -= 0x20;
        const auto at = Alphabet.find(c);
        if (at == std::u16string_view::npos)
            return std::nullopt;
        symbols.push_back(static_cast<unsigned>(at));
    }
    if (body.empty() || body.back() == u'-' || symbols.size() <= CrcBits / 5)
        return std::nullopt;
    unsigned check = 0;
    for (std::size_t i = symbols.size() - CrcBits / 5; i < symbols.size(); ++i)
        check = check << 5 | symbols[i];
    symbols.resize(symbols.size() - CrcBits / 5);
    if (check != crc(name, symbols))
        return std::nullopt;

    BitReader bits(symbols);
    CheckRecord record;
    record.name = name;
    if (bits.read(2) != 0)
        return std::nullopt;
    const unsigned topic = bits.read(2);
    if (topic != 3)
        record.task.method = static_cast<Method>(topic);
    record.askAll = bits.read(1);
    if (bits.read(1)) {
        const std::uint64_t seed = bits.readCount();
        if (seed > 0xFFFFFFFFu)
            return std::nullopt;
        record.task.seed = static_cast<std::uint32_t>(seed);
    } else {
        const std::uint64_t characters = bits.readCount();
        if (characters > LongestNumbers)
            return std::nullopt;
        record.task.numbers.emplace_back();
        for (std::uint64_t i = 0; i < characters && !bits.failed(); ++i) {
            const unsigned character = bits.read(4);
            if (character == NumberSeparator)
                record.task.numbers.emplace_back();
            else
                record.task.numbers.back() += NumberCharacters[character];
        }
        if (record.task.numbers.size() != numbersOf(record.task.method))
            return std::nullopt;
    }
    const std::uint64_t asked = bits.readCount(), right = bits.readCount(),
                        mistakes = bits.readCount();
    // Each answer wrong at the first try is a mistake.
    if (asked > LongestRound || right > asked || mistakes != asked - right)
        return std::nullopt;
    record.asked = static_cast<int>(asked);
    record.right = static_cast<int>(right);
    for (std::uint64_t i = 0; i < mistakes && !bits.failed(); ++i) {
        const auto step = static_cast<int>(bits.readCount());
        const unsigned kind = bits.read(4);
        if (kind > static_cast<unsigned>(QuestionKind::Years))
            return std::nullopt;
        record.mistakes.push_back({static_cast<QuestionKind>(kind), step});
    }
    if (!bits.atEnd())
        return std::nullopt;
    return record;
}

std::vector<CheckRow> checkTable(std::u16string_view pasted)
{
    std::vector<CheckRow> rows;
    std::size_t start = 0;
    while (start <= pasted.size()) {
        const std::size_t end = std::min(pasted.find(u'\n', start), pasted.size());
        const std::u16string line = oneBlankBetween(pasted.substr(start, end - start));
        start = end + 1;
        if (line.empty())
            continue;
        const std::optional<CheckRecord> record = decodeCheckCode(line);
        if (!record) {
            rows.push_back({false,
                            0,
                            0,
                            line,
                            {},
                            {},
                            u"Код не прочитан: скопируйте его целиком, без изменений."});
            continue;
        }
        CheckRow row{true,
                     record->right,
                     record->asked,
                     record->name,
                     programName(record->task.method),
                     number(static_cast<std::uint64_t>(record->right)) + u" из " +
                         number(static_cast<std::uint64_t>(record->asked)),
                     {}};
        if (record->task.seed) {
            row.task += u", вариант " + number(*record->task.seed);
        } else {
            row.task += u':';
            const std::u16string_view between = record->task.method ? u" " : u", ";
            for (std::size_t i = 0; i < record->task.numbers.size(); ++i) {
                row.task += i == 0 ? u" " : between;
                row.task += record->task.numbers[i];
            }
        }
        if (record->askAll)
            row.task += u" (все шаги)";
        for (const CheckMistake &mistake : record->mistakes) {
            if (!row.mistakes.empty())
                row.mistakes += u"; ";
            if (mistake.kind != QuestionKind::Years)
                row.mistakes += (record->task.method ? u"шаг " : u"год ") +
                                number(static_cast<std::uint64_t>(mistake.step)) + u" — ";
            row.mistakes += kindTitle(mistake.kind);
        }
        if (row.mistakes.empty())
            row.mistakes = u"нет";
        rows.push_back(std::move(row));
    }
    return rows;
}

const std::vector<std::u16string> &checkTableHeaders()
{
    static const std::vector<std::u16string> headers{u"Имя", u"Задание", u"Результат", u"Ошибки",
                                                     u"Код"};
    return headers;
}

std::u16string_view checkValidText(bool valid)
{
    return valid ? u"верен" : u"неверен";
}

} // namespace lesson
