// SPDX-License-Identifier: MIT
// The batch mode: one calculation per CSV row.
#pragma once

#include <iosfwd>

namespace loopcalc::cli {

class CsvReader;

/// Choices of the batch command line.
struct BatchOptions {
    /// Adds a last column "warning": the validity warnings of each row, "; "
    /// between them, empty when there are none.
    bool warnings = false;
    /// Starts the output with a UTF-8 byte order mark, which some spreadsheet
    /// programs need to read UTF-8 (the µ of µH) as UTF-8.
    bool outputBom = false;
    /// Adds the numeric models: "reference" (henries), a column per closed
    /// form and "reference-note", before "warning".
    bool models = false;
};

/// Runs one calculation per record of reader and writes the results as CSV
/// to out.
///
/// The header row names the columns. The "shape" column holds "circular",
/// "rectangular", "spiral" or "flat-rectangular"; the columns named after a
/// shape's options ("radius", "turns", "wire-radius", "width", "height",
/// "outer-radius", "inner-radius", "trace") fill its boxes, a shape reading
/// only its own. An empty cell is an empty box; an absent column leaves the
/// box at its initial text. When a name appears twice, the first column
/// counts. Other columns are carried through untouched.
///
/// Each output record is the input record followed by "outcome" ("result",
/// "refused", "out-of-range" or "error"), "text" (the result text, the
/// message, or what was wrong with the row) and "henries" (%.17g, for
/// results and out-of-range rows). A row with too few fields is padded and
/// one with too many is cut to the header's width, so that the output is
/// rectangular. A bad row never stops the run.
///
/// Length cells may carry a unit ("10mm", "1cm", "0.5in", "20mil", "1m",
/// "500um"); a plain number is millimetres and reaches the box untouched.
/// When the header has a "frequency" column ("13.56MHz", "125kHz", plain
/// hertz), a "capacitance" column follows "henries": the tuning capacitance
/// in farads (%.17g) for results with a positive inductance and a frequency,
/// empty otherwise. An unknown unit or a bad frequency makes the row an
/// error row that names the cell.
///
/// The delimiter is read from the header row: the first of ",", ";" and a
/// tab that gives a "shape" column (CsvReader::detectDelimiter); the output
/// uses the same one. A ";" file is what a spreadsheet writes where "," is
/// the decimal separator: there the number cells (lengths, turns,
/// frequencies) are read with "," as well as ".", as the window reads them in
/// such a locale, and henries and capacitance are written with ",", so that
/// the spreadsheet reads them back as numbers. Group separators are never
/// accepted. In "," and tab files "." is the only decimal separator.
/// With options.outputBom the output starts with a UTF-8 byte order mark.
///
/// With options.models the columns "reference" (henries, %.17g, empty where
/// the reference has no value above 0), one per closed form of any shape
/// ("maxwell-gmd", "wheeler-1928", "grover-gmd", "current-sheet",
/// "modified-wheeler"; empty where the row's shape has none or it does not
/// apply) and "reference-note" (how the reference was obtained, or why it has
/// no value, or what is wrong with a model cell) follow "capacitance", for
/// every row but error rows, refused rows included. The model cells come
/// from the optional columns "winding" (circular and rectangular rows),
/// "gap" and "thickness" (flat-rectangular rows) and "wire-radius" and
/// "trace" (spiral rows); an empty or absent cell takes the model's default.
///
/// reader must not have been read from yet.
///
/// Returns 0 when every row was processed, 65 when the input has no header
/// row, no "shape" column or a quoting fault in the header, and 74 when
/// reading or writing failed midway. Problems with the input as a whole are
/// reported on err.
int RunBatch(CsvReader& reader, std::ostream& out, std::ostream& err, const BatchOptions& options = {});

/// RunBatch on a stream.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options = {});

}  // namespace loopcalc::cli
