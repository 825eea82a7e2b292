// SPDX-License-Identifier: MIT
// A streaming CSV reader (RFC 4180 with the usual leniencies).
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace loopcalc::cli {

/// Reads CSV records one at a time from a stream or from a buffer, holding
/// only the current record and one input block: memory stays constant
/// however long the input is, and the record buffers are reused, so a
/// record costs no allocation once the buffers have grown to its size.
///
/// The rules:
/// - Fields are separated by "," unless detectDelimiter() chose ";" or a tab
///   from the header line. A field that starts with a double quote is
///   quoted: it may hold delimiters, line breaks and doubled quotes ("" reads
///   as one "), and it ends at the next lone quote.
/// - A quote inside an unquoted field is taken literally.
/// - Records end at LF, CRLF or a lone CR; a line break inside a quoted
///   field is kept as it is.
/// - Empty lines are skipped: they yield no record.
/// - A UTF-8 byte order mark at the very start is skipped. Other bytes are
///   passed through untouched; the reader does not check the encoding.
/// - A record with a quoting fault or too many fields is still returned,
///   with its fields as far as they could be read and problem() telling
///   what was wrong, and reading goes on with the next record.
/// - A record longer than kMaxRecordBytes, however it ends (or if it never
///   does, as on an endless stream without line breaks), is returned cut at
///   the limit with TooLong, and the reader stops: next() is false from then
///   on, so no input makes it read without end.
///
/// The reader depends on nothing but the standard library so that a fuzzer
/// can drive it directly.
class CsvReader {
public:
    enum class Problem {
        None,
        UnterminatedQuote,  ///< the input ended inside a quoted field
        TextAfterQuote,     ///< a quoted field's closing quote is followed by other text
        TooLong,            ///< the record exceeds kMaxRecordBytes: it is cut there, and reading stops
        TooManyFields,      ///< the record has more than kMaxFields fields; the excess was dropped
    };

    static constexpr std::size_t kMaxRecordBytes = std::size_t{16} << 20;
    static constexpr std::size_t kMaxFields = 65536;

    /// Reads from a stream, in blocks of blockSize bytes.
    explicit CsvReader(std::istream& in, std::size_t blockSize = std::size_t{64} << 10);
    /// Reads the whole of text, which must outlive the reader.
    explicit CsvReader(std::string_view text);

    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    /// Chooses the delimiter from the first line, before the first call to
    /// next(): the first of ",", ";" and a tab that splits that line into
    /// fields one of which is exactly column (quoted or not); "," when none
    /// does. Spreadsheets write ";" where "," is their decimal separator, and
    /// a tab on request. Returns the delimiter chosen.
    char detectDelimiter(std::string_view column);
    /// Sets the delimiter when it is known beforehand.
    void setDelimiter(char delimiter);
    [[nodiscard]] char delimiter() const { return m_delimiter; }

    /// Moves to the next record. False at the end of the input, and when the
    /// stream failed (see readFailed()).
    bool next();

    [[nodiscard]] std::size_t fieldCount() const { return m_ends.size(); }
    /// Field i of the current record, valid until the next call to next().
    [[nodiscard]] std::string_view field(std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : m_ends[i - 1] + m_gap;
        return {m_record + begin, m_ends[i] - begin};
    }
    /// The current record's text as the input has it, separators included,
    /// when it was read in one piece without quotes; empty otherwise.
    [[nodiscard]] std::string_view inPlaceText() const
    {
        return m_gap != 0 ? std::string_view(m_record, m_ends.back()) : std::string_view();
    }
    [[nodiscard]] Problem problem() const { return m_problem; }
    /// True when reading stopped because the stream reported an error.
    [[nodiscard]] bool readFailed() const { return m_readFailed; }
    /// True once a record went beyond kMaxRecordBytes: nothing more is read.
    [[nodiscard]] bool stopped() const { return m_stopped; }

private:
    void start();
    bool available();
    std::size_t readBlock();
    bool refill();
    void append(const char* begin, const char* end);
    void append(char c) { append(&c, &c + 1); }
    void endField();
    void flag(Problem problem);
    void readQuoted();
    /// Reads the unquoted part of a field; true when the record ends after it.
    bool readUnquoted();
    /// Reads a record of unquoted fields that lies wholly in the block, in
    /// place; false, with nothing read, for any other record.
    bool readInPlace();

    std::istream* m_in = nullptr;
    std::vector<char> m_block;
    const char* m_pos = nullptr;
    const char* m_end = nullptr;
    bool m_started = false;
    bool m_readFailed = false;
    bool m_stopped = false;
    char m_delimiter = ',';
    std::array<bool, 256> m_endsField{};  // the characters that end an unquoted field
    // The first line, gathered from several blocks to choose the delimiter;
    // read from before the stream's next block.
    std::string m_lookahead;

    std::string m_data;               // the current record's field bytes, one after the other
    std::vector<std::size_t> m_ends;  // where each field ends, counted from m_record
    // The current record's first byte: in m_data, or in the block for a
    // record read in place, where each field is followed by one separator.
    const char* m_record = nullptr;
    std::size_t m_gap = 0;
    Problem m_problem = Problem::None;
};

}  // namespace loopcalc::cli
