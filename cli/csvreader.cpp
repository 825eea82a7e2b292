// SPDX-License-Identifier: MIT
#include "csvreader.h"

#include <algorithm>
#include <array>
#include <istream>

namespace loopcalc::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// The first delimiter, LF or CR from c on, or end.
const char* FindFieldEnd(const char* c, const char* end, const std::array<bool, 256>& endsField)
{
    while (c != end && !endsField[static_cast<unsigned char>(*c)]) {
        ++c;
    }
    return c;
}

/// Finds where the first line ends, at a line break outside quotes after any
/// empty lines, in text that may grow between calls. A quote opens a quoted
/// field only at the start of a field, after any of the delimiters.
class FirstLine {
public:
    /// The end of the first line in text, or npos when text holds no
    /// complete line yet.
    std::size_t end(std::string_view text)
    {
        for (; m_pos < text.size(); ++m_pos) {
            const char c = text[m_pos];
            if (m_quoted) {
                m_quoted = c != '"';
                m_closed = !m_quoted;
            } else if (c == '\n' || c == '\r') {
                if (m_started) {
                    return m_pos;
                }
            } else {
                // A doubled quote inside a quoted field closes and reopens it.
                m_quoted = c == '"' && (m_fieldStart || m_closed);
                m_closed = false;
                m_fieldStart = c == ',' || c == ';' || c == '\t';
                m_started = true;
            }
        }
        return std::string_view::npos;
    }

private:
    std::size_t m_pos = 0;
    bool m_quoted = false;
    bool m_closed = false;  // the last character closed a quoted field
    bool m_fieldStart = true;
    bool m_started = false;
};

/// True when line, split at delimiter as the reader splits a record, has a
/// field that is exactly column.
bool HasField(std::string_view line, char delimiter, std::string_view column)
{
    std::string field;
    std::size_t i = 0;
    for (;;) {
        field.clear();
        if (i < line.size() && line[i] == '"') {
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"') {
                    field += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    field += line[++i];
                } else {
                    ++i;
                    break;
                }
            }
        }
        const std::size_t stop = std::min(line.find(delimiter, i), line.size());
        field.append(line, i, stop - i);
        if (field == column) {
            return true;
        }
        if (stop == line.size()) {
            return false;
        }
        i = stop + 1;
    }
}

}  // namespace

CsvReader::CsvReader(std::istream& in, std::size_t blockSize)
    : m_in(&in)
    , m_block(std::max<std::size_t>(blockSize, 4))
{
    setDelimiter(',');
}

CsvReader::CsvReader(std::string_view text)
    : m_pos(text.data())
    , m_end(text.data() + text.size())
{
    setDelimiter(',');
}

void CsvReader::setDelimiter(char delimiter)
{
    m_delimiter = delimiter;
    m_endsField.fill(false);
    for (const char c : {delimiter, '\n', '\r'}) {
        m_endsField[static_cast<unsigned char>(c)] = true;
    }
}

std::size_t CsvReader::readBlock()
{
    if (m_in == nullptr || m_readFailed) {
        return 0;
    }
    m_in->read(m_block.data(), static_cast<std::streamsize>(m_block.size()));
    const auto count = static_cast<std::size_t>(m_in->gcount());
    if (count == 0) {
        // End of file sets failbit too; only badbit means the read itself failed.
        m_readFailed = m_in->bad();
    }
    return count;
}

bool CsvReader::refill()
{
    const std::size_t count = readBlock();
    if (count == 0) {
        return false;
    }
    m_pos = m_block.data();
    m_end = m_pos + count;
    return true;
}

bool CsvReader::available()
{
    if (m_pos != m_end) {
        return true;
    }
    return refill();
}

void CsvReader::flag(Problem problem)
{
    if (m_problem == Problem::None) {
        m_problem = problem;
    }
}

void CsvReader::append(const char* begin, const char* end)
{
    const auto size = static_cast<std::size_t>(end - begin);
    if (m_data.size() + size > kMaxRecordBytes) {
        // The record's end may never come: stop here rather than look for it.
        m_problem = Problem::TooLong;
        m_stopped = true;
        m_data.append(begin, kMaxRecordBytes - m_data.size());
        return;
    }
    m_data.append(begin, size);
}

void CsvReader::endField()
{
    if (m_ends.size() == kMaxFields) {
        flag(Problem::TooManyFields);
        return;
    }
    m_ends.push_back(m_data.size());
}

void CsvReader::start()
{
    if (m_started) {
        return;
    }
    m_started = true;
    // A stream's first block holds at least three bytes unless the input is
    // shorter: read() fills the block up to the end of file.
    if (available() && std::string_view(m_pos, static_cast<std::size_t>(m_end - m_pos)).starts_with(kByteOrderMark)) {
        m_pos += kByteOrderMark.size();
    }
}

char CsvReader::detectDelimiter(std::string_view column)
{
    start();
    FirstLine first;
    if (m_in != nullptr) {
        // The first line may span blocks: gather it, and read it from here.
        m_lookahead.assign(m_pos, m_end);
        std::size_t count = 0;
        while (first.end(m_lookahead) == std::string_view::npos && m_lookahead.size() < kMaxRecordBytes &&
               (count = readBlock()) > 0) {
            m_lookahead.append(m_block.data(), count);
        }
        m_pos = m_lookahead.data();
        m_end = m_pos + m_lookahead.size();
    }
    std::string_view line(m_pos, static_cast<std::size_t>(m_end - m_pos));
    const std::size_t begin = std::min(line.find_first_not_of("\r\n"), line.size());
    line = line.substr(begin, first.end(line) - begin);
    char chosen = ',';
    for (const char candidate : {',', ';', '\t'}) {
        if (HasField(line, candidate, column)) {
            chosen = candidate;
            break;
        }
    }
    setDelimiter(chosen);
    return chosen;
}

bool CsvReader::next()
{
    m_data.clear();
    m_ends.clear();
    m_problem = Problem::None;
    if (m_stopped) {
        return false;
    }
    start();

    // Empty lines carry no record.
    for (;;) {
        if (!available()) {
            return false;
        }
        if (*m_pos != '\n' && *m_pos != '\r') {
            break;
        }
        ++m_pos;
    }

    if (readInPlace()) {
        return true;
    }
    m_gap = 0;
    for (;;) {
        if (available() && *m_pos == '"') {
            ++m_pos;
            readQuoted();
        }
        const bool recordEnds = readUnquoted();
        endField();
        if (recordEnds) {
            m_record = m_data.data();
            return true;
        }
    }
}

bool CsvReader::readInPlace()
{
    // A record within the first kMaxFields bytes reaches neither limit: it
    // has fewer fields and bytes. A longer one is left to the general way.
    static_assert(kMaxFields <= kMaxRecordBytes);
    const char* const begin = m_pos;
    const char* const end = m_pos + std::min(static_cast<std::size_t>(m_end - m_pos), kMaxFields);
    if (*begin == '"') {
        return false;
    }
    for (const char* c = begin;; ++c) {
        c = FindFieldEnd(c, end, m_endsField);
        if (c == end) {
            break;
        }
        m_ends.push_back(static_cast<std::size_t>(c - begin));
        if (*c == m_delimiter) {
            if (c + 1 != end && c[1] == '"') {
                break;
            }
            continue;
        }
        // A CR at the end of the block may be the first half of a CRLF.
        if (*c == '\r') {
            if (c + 1 == end) {
                break;
            }
            if (c[1] == '\n') {
                ++c;
            }
        }
        m_record = begin;
        m_gap = 1;
        m_pos = c + 1;
        return true;
    }
    m_ends.clear();
    return false;
}

void CsvReader::readQuoted()
{
    for (;;) {
        if (m_stopped) {
            return;
        }
        if (!available()) {
            flag(Problem::UnterminatedQuote);
            return;
        }
        const char* quote = std::find(m_pos, m_end, '"');
        append(m_pos, quote);
        m_pos = quote;
        if (quote == m_end) {
            continue;
        }
        ++m_pos;
        if (available() && *m_pos == '"') {
            append('"');
            ++m_pos;
            continue;
        }
        // The closing quote: what follows must end the field.
        if (available() && *m_pos != m_delimiter && *m_pos != '\n' && *m_pos != '\r') {
            flag(Problem::TextAfterQuote);
        }
        return;
    }
}

bool CsvReader::readUnquoted()
{
    for (;;) {
        if (m_stopped || !available()) {
            return true;
        }
        const char* stop = m_pos;
        while (stop != m_end && *stop != m_delimiter && *stop != '\n' && *stop != '\r') {
            ++stop;
        }
        append(m_pos, stop);
        m_pos = stop;
        if (stop == m_end) {
            continue;
        }
        const char c = *m_pos++;
        if (c == m_delimiter) {
            return false;
        }
        if (c == '\r' && available() && *m_pos == '\n') {
            ++m_pos;
        }
        return true;
    }
}

}  // namespace loopcalc::cli
