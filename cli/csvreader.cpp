// SPDX-License-Identifier: MIT
#include "csvreader.h"

#include <algorithm>
#include <array>
#include <istream>

namespace loopcalc::cli {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// The characters that end an unquoted field.
constexpr std::array<bool, 256> kEndsField = [] {
    std::array<bool, 256> ends{};
    for (const unsigned char c : {',', '\n', '\r'}) {
        ends[c] = true;
    }
    return ends;
}();
/// The first ",", LF or CR from c on, or end.
const char* FindFieldEnd(const char* c, const char* end)
{
    while (c != end && !kEndsField[static_cast<unsigned char>(*c)]) {
        ++c;
    }
    return c;
}

}  // namespace

CsvReader::CsvReader(std::istream& in, std::size_t blockSize)
    : m_in(&in)
    , m_block(std::max<std::size_t>(blockSize, 4))
{
}

CsvReader::CsvReader(std::string_view text)
    : m_pos(text.data())
    , m_end(text.data() + text.size())
{
}

bool CsvReader::refill()
{
    if (m_in == nullptr || m_readFailed) {
        return false;
    }
    m_in->read(m_block.data(), static_cast<std::streamsize>(m_block.size()));
    const auto count = static_cast<std::size_t>(m_in->gcount());
    if (count == 0) {
        // End of file sets failbit too; only badbit means the read itself failed.
        m_readFailed = m_in->bad();
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
        flag(Problem::TooLong);
        m_data.append(begin, kMaxRecordBytes - m_data.size());
        return;
    }
    m_data.append(begin, size);
}

void CsvReader::endField()
{
    if (m_ends.size() == kMaxFields) {
        flag(Problem::TooLong);
        return;
    }
    m_ends.push_back(m_data.size());
}

bool CsvReader::next()
{
    m_data.clear();
    m_ends.clear();
    m_problem = Problem::None;

    if (!m_started) {
        m_started = true;
        // A stream's first block holds at least three bytes unless the
        // input is shorter: read() fills the block up to the end of file.
        if (available() &&
            std::string_view(m_pos, static_cast<std::size_t>(m_end - m_pos)).starts_with(kByteOrderMark)) {
            m_pos += kByteOrderMark.size();
        }
    }

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
    const char* const begin = m_pos;
    const char* const end = m_end;
    if (*begin == '"') {
        return false;
    }
    for (const char* c = begin;; ++c) {
        c = FindFieldEnd(c, end);
        if (c == end) {
            break;
        }
        const auto size = static_cast<std::size_t>(c - begin);
        if (m_ends.size() == kMaxFields || size > kMaxRecordBytes) {
            break;
        }
        m_ends.push_back(size);
        if (*c == ',') {
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
        if (available() && *m_pos != ',' && *m_pos != '\n' && *m_pos != '\r') {
            flag(Problem::TextAfterQuote);
        }
        return;
    }
}

bool CsvReader::readUnquoted()
{
    for (;;) {
        if (!available()) {
            return true;
        }
        const char* stop = m_pos;
        while (stop != m_end && *stop != ',' && *stop != '\n' && *stop != '\r') {
            ++stop;
        }
        append(m_pos, stop);
        m_pos = stop;
        if (stop == m_end) {
            continue;
        }
        const char c = *m_pos++;
        if (c == ',') {
            return false;
        }
        if (c == '\r' && available() && *m_pos == '\n') {
            ++m_pos;
        }
        return true;
    }
}

}  // namespace loopcalc::cli
