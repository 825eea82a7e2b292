// SPDX-License-Identifier: MIT
// A buffered CSV writer.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace loopcalc::cli {

/// Writes CSV records with LF line ends, quoting a field only when it holds
/// a comma, a double quote, CR or LF (quotes inside are doubled). Output is
/// collected in a buffer and handed to the stream in large blocks, so that
/// many records cost one write.
class CsvWriter {
public:
    explicit CsvWriter(std::ostream& out, std::size_t blockSize = std::size_t{64} << 10);
    /// Flushes what is left; call flush() first to learn whether it worked.
    ~CsvWriter();

    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void field(std::string_view text);
    /// Appends fields that are already CSV text needing no quotes, with
    /// their separators, as they are.
    void fields(std::string_view text);
    void endRecord();
    /// Hands the buffered output to the stream and flushes it; false when
    /// the stream has failed.
    bool flush();

    [[nodiscard]] static bool needsQuotes(std::string_view text);

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
    bool m_atRecordStart = true;
};

}  // namespace loopcalc::cli
