// SPDX-License-Identifier: MIT
#include "batchrunner.h"
#include "clirun.h"
#include "designaids.h"
#include "fakeformport.h"
#include "shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using BatchRun = loopcalc::testing::CliRun;
using loopcalc::testing::kMicro;

BatchRun batch(const std::string& input, bool warnings = false, bool models = false)
{
    loopcalc::cli::BatchOptions options;
    options.warnings = warnings;
    options.models = models;
    return loopcalc::testing::RunBatchOn(input, options);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

std::string g17(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

/// What the circular calculator gives for its initial texts with another
/// radius, worked out on a recording page.
loopcalc::Outcome circular(const std::string& radius)
{
    loopcalc::testing::FakeFormPort page;
    page.boxes = {{"txtRadius2", radius}, {"txtTurns2", "11.5"}, {"txtWire2", "0.127"}};
    return loopcalc::frmMain_cmdCalculate2_Click(page);
}

double circularHenries(const std::string& radius)
{
    return circular(radius).henries;
}

/// The flat rectangular coil's henries for a width and a trace size.
double flatHenries(const std::string& width, const std::string& trace)
{
    loopcalc::testing::FakeFormPort page;
    page.boxes = {{"txtWidth1", width}, {"txtHeight1", "10"}, {"txtTurns1", "11"}, {"txtTrace1", trace}};
    return loopcalc::frmMain_cmdCalculate1_Click(page).henries;
}

TEST(BatchFrequency, CapacitanceColumnFollowsHenries)
{
    const BatchRun b = batch("shape,frequency,radius\n"
                             "circular,13.56MHz,10\n"
                             "circular,,10\n"
                             "circular,125000,0\n"
                             "circular,1MHz,20000\n"
                             "flat-rectangular,13.56MHz,\n");
    EXPECT_EQ(b.code, 0);
    EXPECT_EQ(b.err, "");
    const double l = circularHenries("10");
    const loopcalc::Outcome big = circular("20000");
    ASSERT_EQ(big.kind, loopcalc::Outcome::Kind::OutOfRange);
    const double flat = flatHenries("21", "0.127");
    const std::vector<std::string> expected{
        "shape,frequency,radius,outcome,text,henries,capacitance",
        "circular,13.56MHz,10,result, 5.78 " + kMicro + "H," + g17(l) + "," +
            g17(loopcalc::design::TuningCapacitance(l, 13.56e6)),
        // No frequency, a refusal and an out-of-range row: no capacitance.
        "circular,,10,result, 5.78 " + kMicro + "H," + g17(l) + ",",
        "circular,125000,0,refused,Radius must be > 0,,",
        "circular,1MHz,20000,out-of-range," + big.text + "," + g17(big.henries) + ",",
        // The radius column belongs to another shape.
        "flat-rectangular,13.56MHz,,result, 5.85 " + kMicro + "H," + g17(flat) + "," +
            g17(loopcalc::design::TuningCapacitance(flat, 13.56e6)),
    };
    EXPECT_EQ(lines(b.out), expected);
}

TEST(BatchFrequency, BadFrequencyCellIsAnErrorRowNamingIt)
{
    const BatchRun b = batch("shape,frequency\n"
                             "spiral,13.56mhz\n"
                             "spiral,fast\n"
                             "spiral,-1kHz\n"
                             "spiral,0\n"
                             "spiral,1e308\n"
                             "spiral,1e-148\n"
                             "spiral,1e999Hz\n");
    EXPECT_EQ(b.code, 0);
    const std::vector<std::string> expected{
        "shape,frequency,outcome,text,henries,capacitance",
        "spiral,13.56mhz,error,unknown unit 'mhz' in frequency '13.56mhz',,",
        "spiral,fast,error,not a frequency above 0 Hz in frequency 'fast',,",
        "spiral,-1kHz,error,not a frequency above 0 Hz in frequency '-1kHz',,",
        "spiral,0,error,not a frequency above 0 Hz in frequency '0',,",
        "spiral,1e308,error,out of range (give a frequency from 1 Hz to 100 GHz) in frequency '1e308',,",
        "spiral,1e-148,error,out of range (give a frequency from 1 Hz to 100 GHz) in frequency '1e-148',,",
        "spiral,1e999Hz,error,out of range (give a frequency from 1 Hz to 100 GHz) in frequency '1e999Hz',,",
    };
    EXPECT_EQ(lines(b.out), expected);
}

TEST(BatchUnits, LengthCellsTakeUnits)
{
    const BatchRun b = batch("shape,radius,wire-radius,width,trace\n"
                             "circular,1cm,127um,,\n"
                             "circular,10 mm,0.005in,,\n"
                             "flat-rectangular,,,2.1cm,2.5mm\n"
                             "flat-rectangular,,,21,0.26cm\n");
    EXPECT_EQ(b.code, 0);
    const std::string l = g17(circularHenries("10"));
    const std::vector<std::string> expected{
        "shape,radius,wire-radius,width,trace,outcome,text,henries",
        "circular,1cm,127um,,,result, 5.78 " + kMicro + "H," + l,
        "circular,10 mm,0.005in,,,result, 5.78 " + kMicro + "H," + l,
        "flat-rectangular,,,2.1cm,2.5mm,result, 1.38 " + kMicro + "H," + g17(flatHenries("21", "2.5")),
        "flat-rectangular,,,21,0.26cm,refused,Trace must be > 0 or < 2.6,",
    };
    EXPECT_EQ(lines(b.out), expected);
}

TEST(BatchUnits, UnknownUnitIsAnErrorRowNamingTheCell)
{
    const BatchRun b = batch("shape,radius,turns,inner-radius\n"
                             "circular,10furlongs,11,\n"
                             "spiral,10furlongs,12,7Mm\n"
                             "circular,10,12x,\n",
                             true);
    EXPECT_EQ(b.code, 0);
    const std::vector<std::string> expected{
        "shape,radius,turns,inner-radius,outcome,text,henries,warning",
        "circular,10furlongs,11,,error,unknown unit 'furlongs' in radius '10furlongs',,",
        // The spiral has no radius column of its own: only its inner radius counts.
        "spiral,10furlongs,12,7Mm,error,unknown unit 'Mm' in inner-radius '7Mm',,",
        // Turns take no unit: the box refuses what is not a number, as before.
        "circular,10,12x,,refused,Turns must be > 0,,",
    };
    EXPECT_EQ(lines(b.out), expected);
}

TEST(BatchWarnings, WarningColumnComesLast)
{
    const BatchRun b = batch("shape,outer-radius,inner-radius,width,height,turns,trace,frequency\n"
                             "spiral,8.5,7.25,,,12,,\n"
                             "spiral,12.5,7.5,,,12,,\n"
                             "flat-rectangular,,,1,1,1,2.5,13.56MHz\n"
                             "spiral,8.5,7.25,,,0,,\n"
                             "cube,,,,,,,\n",
                             true);
    EXPECT_EQ(b.code, 0);
    const std::vector<std::string> out = lines(b.out);
    ASSERT_EQ(out.size(), 6U);
    EXPECT_EQ(out[0], "shape,outer-radius,inner-radius,width,height,turns,trace,frequency,outcome,text,henries,"
                      "capacitance,warning");
    EXPECT_TRUE(out[1].ends_with(",,the winding is shallow (depth below 0.2 x mean radius): the flat spiral formula "
                                 "is no longer accurate to about 5 %"))
        << out[1];
    EXPECT_TRUE(out[2].ends_with(",result, 4.234 \xC2\xB5H,4.2346666666666677e-06,,")) << out[2];
    // Both warnings, "; " between them; a negative inductance has no capacitance.
    EXPECT_TRUE(out[3].ends_with(",-1.35 nH,-1.3513821078336004e-09,,the trace size is above a tenth of the coil's "
                                 "smallest dimension: the thin-conductor assumption fails; the coil is too small for "
                                 "its wire: the formula does not apply"))
        << out[3];
    EXPECT_EQ(out[4], "spiral,8.5,7.25,,,0,,,refused,Turns must be > 0 and < 101,,,");
    EXPECT_EQ(out[5], "cube,,,,,,,,error,unknown shape 'cube',,,");
}

// Without --warnings and without a frequency column the output is as it was.
TEST(BatchWarnings, NoExtraColumnsUnlessAskedFor)
{
    const BatchRun b = batch("shape\nspiral\n");
    EXPECT_EQ(lines(b.out), (std::vector<std::string>{"shape,outcome,text,henries",
                                                      "spiral,result, 4.619 " + kMicro + "H,4.6192954397394132e-06"}));
}

/// The cells of a record, quotes left in place.
std::vector<std::string> cells(const std::string& record, char delimiter = ',')
{
    std::vector<std::string> result(1);
    bool quoted = false;
    for (const char c : record) {
        if (c == delimiter && !quoted) {
            result.emplace_back();
        } else {
            quoted = c == '"' ? !quoted : quoted;
            result.back() += c;
        }
    }
    return result;
}

// --models adds the reference, each closed form and the reference's note
// after today's columns (before "warning"), and leaves those as they were.
TEST(BatchModels, ColumnsAfterTodaysWithTheirValues)
{
    const std::string input = "shape,width,height,turns,trace,gap,thickness,winding,wire-radius\n"
                              "flat-rectangular,39.1,39.1,9,0.9,0.15,0.03,,\n"
                              "circular,,,0.5,,,,layer,0.1\n"
                              "spiral,,,12,0.05,,,,0.05\n"
                              "circular,,,,,,,coil,\n"
                              "flat-rectangular,21,10,11,0.127,-1mm,,,\n"
                              "cube,,,,,,,,\n";
    const BatchRun plain = batch(input);
    const BatchRun b = batch(input, true, true);
    EXPECT_EQ(b.code, 0);
    EXPECT_EQ(b.err, "");
    const std::vector<std::string> out = lines(b.out);
    const std::vector<std::string> before = lines(plain.out);
    ASSERT_EQ(out.size(), 7U);
    EXPECT_EQ(out[0], before[0] + ",reference,maxwell-gmd,wheeler-1928,grover-gmd,current-sheet,modified-wheeler,"
                                  "reference-note,warning");
    for (std::size_t i = 1; i < out.size(); ++i) {
        EXPECT_TRUE(out[i].starts_with(before[i] + ",")) << out[i];
        EXPECT_EQ(cells(out[i]).size(), cells(out[0]).size()) << out[i];
    }
    // The measured printed antenna: 3.915 uH.
    const std::vector<std::string> measured = cells(out[1]);
    EXPECT_NEAR(std::stod(measured[12]), 3.915e-6, 0.05 * 3.915e-6);
    EXPECT_EQ(measured[13], "");  // no Maxwell coil for a printed rectangle
    EXPECT_NE(measured[18].find("36 segments"), std::string::npos) << out[1];
    // A refused row keeps its models: half a turn of a single-layer coil is
    // half the one turn's mu0 R (ln(8R/a) - 2 + 1/4) = 62.0 nH.
    const std::vector<std::string> half = cells(out[2]);
    EXPECT_EQ(half[9], "refused");
    EXPECT_NEAR(std::stod(half[12]), 0.5 * 4e-7 * 3.14159265 * 0.01 * (std::log(800.0) - 1.75), 0.05e-9);
    EXPECT_TRUE(
        out[3].ends_with(",,,,,,,\"give wire-radius or trace, not both\",the winding is shallow (depth "
                         "below 0.2 x mean radius): the flat spiral formula is no longer accurate to about 5 %"))
        << out[3];
    EXPECT_TRUE(out[4].ends_with(",,,,,,,not bundle or layer in winding 'coil',")) << out[4];
    EXPECT_TRUE(out[5].ends_with(",,,,,,,not a length above 0 mm in gap '-1mm',")) << out[5];
    EXPECT_TRUE(out[6].ends_with(",error,unknown shape 'cube',,,,,,,,,")) << out[6];
}

// A decimal-comma spreadsheet's file: model cells read and henries written
// with a comma.
TEST(BatchModels, SemicolonFileReadsAndWritesDecimalCommas)
{
    const BatchRun b = batch("shape;width;height;turns;trace;gap;thickness\n"
                             "flat-rectangular;39,1;39,1;9;0,9;0,15;0,03\n",
                             false, true);
    const std::vector<std::string> out = lines(b.out);
    ASSERT_EQ(out.size(), 2U);
    std::vector<std::string> row = cells(out[1], ';');
    ASSERT_EQ(row.size(), 17U) << out[1];
    EXPECT_EQ(row[9], "7,5897958757843662e-06");
    std::string reference = row[10];
    ASSERT_NE(reference.find(','), std::string::npos) << reference;
    reference[reference.find(',')] = '.';
    EXPECT_NEAR(std::stod(reference), 3.915e-6, 0.05 * 3.915e-6);
}

}  // namespace
