// SPDX-License-Identifier: MIT
#include "csvwriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <ostream>

namespace loopcalc::cli {

CsvWriter::CsvWriter(std::ostream& out, std::size_t blockSize, char delimiter)
    : m_out(out)
    , m_buffer(new char[blockSize + 4096])
    , m_capacity(blockSize + 4096)
    , m_blockSize(blockSize)
    , m_delimiter(delimiter)
{
    for (const char c : {delimiter, '"', '\r', '\n'}) {
        m_quoted[static_cast<unsigned char>(c)] = true;
    }
}

CsvWriter::~CsvWriter()
{
    flush();
}

bool CsvWriter::needsQuotes(std::string_view text, char delimiter)
{
    return std::any_of(text.begin(), text.end(),
                       [delimiter](char c) { return c == delimiter || c == '"' || c == '\r' || c == '\n'; });
}

void CsvWriter::reserve(std::size_t extra)
{
    if (m_size + extra <= m_capacity) {
        return;
    }
    // Only a field longer than the spare room gets here.
    const std::size_t capacity = std::max(m_capacity * 2, m_size + extra);
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::memcpy(buffer.get(), m_buffer.get(), m_size);
    m_buffer = std::move(buffer);
    m_capacity = capacity;
}

void CsvWriter::byteOrderMark()
{
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    reserve(kMark.size());
    std::memcpy(m_buffer.get() + m_size, kMark.data(), kMark.size());
    m_size += kMark.size();
}

void CsvWriter::field(std::string_view text)
{
    // Room for the separator, two quotes and every character doubled.
    reserve(2 * text.size() + 3);
    char* out = m_buffer.get() + m_size;
    if (!m_atRecordStart) {
        *out++ = m_delimiter;
    }
    m_atRecordStart = false;
    bool quoted = false;
    for (const char c : text) {
        quoted = quoted || m_quoted[static_cast<unsigned char>(c)];
    }
    if (!quoted) {
        if (!text.empty()) {
            std::memcpy(out, text.data(), text.size());
        }
        out += text.size();
    } else {
        *out++ = '"';
        for (const char c : text) {
            *out++ = c;
            if (c == '"') {
                *out++ = '"';
            }
        }
        *out++ = '"';
    }
    m_size = static_cast<std::size_t>(out - m_buffer.get());
}

void CsvWriter::fields(std::string_view text)
{
    reserve(text.size() + 1);
    char* out = m_buffer.get() + m_size;
    if (!m_atRecordStart) {
        *out++ = m_delimiter;
    }
    m_atRecordStart = false;
    // An empty view may have no data at all, which memcpy must not be given.
    if (!text.empty()) {
        std::memcpy(out, text.data(), text.size());
    }
    m_size = static_cast<std::size_t>(out - m_buffer.get()) + text.size();
}

void CsvWriter::endRecord()
{
    reserve(1);
    m_buffer[m_size++] = '\n';
    m_atRecordStart = true;
    if (m_size >= m_blockSize) {
        write();
    }
}

void CsvWriter::write()
{
    if (m_size != 0) {
        m_out.write(m_buffer.get(), static_cast<std::streamsize>(m_size));
        m_size = 0;
    }
}

bool CsvWriter::failed() const
{
    return !m_out;
}

bool CsvWriter::flush()
{
    write();
    m_out.flush();
    return static_cast<bool>(m_out);
}

}  // namespace loopcalc::cli
