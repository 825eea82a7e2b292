// SPDX-License-Identifier: MIT
// A buffered CSV writer.
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace loopcalc::cli {

/// Writes CSV records with LF line ends, fields separated by the delimiter
/// ("," unless told otherwise), quoting a field only when it holds the
/// delimiter, a double quote, CR or LF (quotes inside are doubled). Output is
/// collected in a buffer and handed to the stream in large blocks, so that
/// many records cost one write.
class CsvWriter {
public:
    static constexpr std::size_t kBlockSize = std::size_t{64} << 10;

    explicit CsvWriter(std::ostream& out, std::size_t blockSize = kBlockSize, char delimiter = ',');
    /// Flushes what is left; call flush() first to learn whether it worked.
    ~CsvWriter();

    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    /// The UTF-8 byte order mark, before the first record.
    void byteOrderMark();
    void field(std::string_view text);
    /// Appends fields that are already CSV text needing no quotes, with
    /// their separators (the writer's delimiter), as they are.
    void fields(std::string_view text);
    void endRecord();
    /// Hands the buffered output to the stream and flushes it; false when
    /// the stream has failed.
    bool flush();
    /// True once the stream has failed: nothing written from then on arrives.
    [[nodiscard]] bool failed() const;

    [[nodiscard]] static bool needsQuotes(std::string_view text, char delimiter = ',');

private:
    void reserve(std::size_t extra);
    void write();

    std::ostream& m_out;
    // A plain array rather than a std::string: appending costs no capacity
    // check per character and growing it fills nothing.
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity;
    std::size_t m_size = 0;
    std::size_t m_blockSize;
    char m_delimiter;
    std::array<bool, 256> m_quoted{};  // the characters that make a field need quotes
    bool m_atRecordStart = true;
};

}  // namespace loopcalc::cli
