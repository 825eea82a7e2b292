// SPDX-License-Identifier: MIT
// The four Calculate handlers on arbitrary box texts, through a recording
// port. Input: the first byte picks the shape (bits 0-1), the log (bit 2)
// and the decimal separator (bit 3); the rest holds the page's box texts in
// the shape's field order, separated by line feeds. Boxes without a text
// keep their initial text.
#include "display.h"
#include "fakeformport.h"
#include "fuzzcheck.h"
#include "numberreading.h"
#include "shapes.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace loopcalc;
using namespace loopcalc::fuzzing;

const std::string kPreviousResult = "previous result";

// The fixed texts a handler writes back into a box it refuses or resets.
const std::map<std::string, std::string, std::less<>> kRestoreTexts{
    {"txtTurns2", "10"},         {"txtRadius2", "12.5"}, {"txtWire2", "0.0127"},   {"txtTurns4", "11"},
    {"txtHeight4", "10.0"},      {"txtWidth4", "21.0"},  {"txtWireRad4", "0.127"}, {"txtOuterRadius3", "8.5"},
    {"txtInnerRadius3", "7.25"}, {"txtTurns3", "12"},    {"txtTurns1", "11"},      {"txtHeight1", "10.0"},
    {"txtWidth1", "21.0"},       {"txtTrace1", "0.127"},
};

struct Expectations {
    std::set<std::string> refusals;  // every message a refusal can show
    std::string outOfRangeFocus;     // the box focused after an out-of-range result
};

const std::map<std::string, Expectations, std::less<>> kExpectations{
    {"circular", {{"Turns must be > 0", "Radius must be > 0", "Wire Radius must be > 0"}, "txtRadius2"}},
    {"rectangular",
     {{"Turns must be > 0", "Height must be > 0", "Wire Radius must be > 0", "Width must be > 0"}, "txtTurns4"}},
    {"spiral",
     {{"Outer Radius must be > Inner Radius", "Outer Radius must be > 0", "Inner Radius must be > 0",
       "Turns must be > 0 and < 101"},
      "txtOuterRadius3"}},
    {"flat-rectangular",
     {{"Turns must be > 0", "Height must be > 0", "Trace must be > 0 or < 2.6", "Width must be > 0"}, "txtWidth1"}},
};

enum class Validity { Valid, Invalid, Borderline };

// Whether the values (centimetres and turns) pass the page's checks, judged
// from the limits alone; a trace within rounding of 0.25 cm is left
// undecided.
Validity Judge(std::string_view shape, const std::map<std::string, double, std::less<>>& v)
{
    auto at = [&v](const char* box) { return v.at(box); };
    bool valid = false;
    if (shape == "circular") {
        valid = at("txtTurns2") >= 1.0 && at("txtRadius2") > 0.0 && at("txtWire2") > 0.0;
    } else if (shape == "rectangular") {
        valid = at("txtTurns4") >= 1.0 && at("txtHeight4") > 0.0 && at("txtWidth4") > 0.0 && at("txtWireRad4") > 0.0;
    } else if (shape == "spiral") {
        const double outer = at("txtOuterRadius3");
        const double inner = at("txtInnerRadius3");
        const double turns = at("txtTurns3");
        valid = inner > 0.0 && outer >= inner && turns > 0.0 && turns <= 100.0;
    } else {
        const double trace = at("txtTrace1");
        if (trace > 0.249 && trace < 0.251) {
            return Validity::Borderline;
        }
        valid =
            at("txtTurns1") >= 1.0 && at("txtHeight1") > 0.0 && at("txtWidth1") > 0.0 && trace > 0.0 && trace <= 0.25;
    }
    return valid ? Validity::Valid : Validity::Invalid;
}

bool StartsWith(const std::string& text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 1024) {
        return 0;
    }
    const std::span<const Shape> shapes = Shapes();
    const Shape& shape = shapes[data[0] % shapes.size()];
    const Expectations& expect = kExpectations.at(std::string(shape.name));

    testing::FakeFormPort port;
    port.logOn = (data[0] & 4U) != 0;
    port.separator = (data[0] & 8U) != 0 ? "," : ".";
    port.boxes[std::string(shape.resultBox)] = kPreviousResult;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    size_t start = 0;
    for (const ShapeField& field : shape.fields) {
        std::string text(field.initialText);
        if (start <= rest.size()) {
            const size_t end = std::min(rest.find('\n', start), rest.size());
            text = rest.substr(start, end - start);
            start = end + 1;
        }
        port.boxes[std::string(field.box)] = text;
    }
    // The pages check a length in centimetres, the unit they compute in: a
    // length typed as a few times the smallest double of millimetres is
    // 0 cm, and two lengths a rounding apart in millimetres can be one.
    std::map<std::string, double, std::less<>> values;
    for (const ShapeField& field : shape.fields) {
        const double typed = ReadNumber(port.boxes[std::string(field.box)], port.separator);
        values[std::string(field.box)] = field.kind == FieldKind::Length ? typed / 10.0 : typed;
    }
    const std::map<std::string, std::string, std::less<>> before = port.boxes;

    const Outcome outcome = shape.calculate(port);

    std::vector<std::string> messages;
    std::vector<std::string> focused;
    std::set<std::string> written;
    int beeps = 0;
    for (const std::string& event : port.events) {
        if (StartsWith(event, "message ")) {
            messages.push_back(event);
        } else if (StartsWith(event, "focus ")) {
            focused.push_back(event.substr(6));
        } else if (StartsWith(event, "text ")) {
            written.insert(event.substr(5, event.find('=') - 5));
        } else if (event == "beep") {
            ++beeps;
        }
    }
    const std::string& resultBox = port.boxes.at(std::string(shape.resultBox));
    const Validity validity = Judge(shape.name, values);

    switch (outcome.kind) {
    case Outcome::Kind::Result: {
        FUZZ_REQUIRE(validity != Validity::Invalid);
        FUZZ_REQUIRE(messages.empty() && focused.empty() && beeps == 1);
        FUZZ_REQUIRE(written.size() == 1 && written.count(std::string(shape.resultBox)) == 1);
        FUZZ_REQUIRE(resultBox == outcome.text);
        FUZZ_REQUIRE(std::isfinite(outcome.henries));
        FUZZ_REQUIRE(!ContainsNoCase(outcome.text, "nan") && !ContainsNoCase(outcome.text, "inf"));
        if (shape.name == "spiral") {
            static const Pattern spiral("^[1-9][0-9]{0,2} nH$|^ [1-9][0-9]{0,2}(\\.[0-9]{1,3})? µH$");
            FUZZ_REQUIRE(spiral.matches(outcome.text));
        } else {
            static const Pattern henry(
                "^[ -][1-9]\\.[0-9]{2} (?:m|µ|n)H$|^[ -][1-9][0-9]{1,2}\\.[0-9]{2} µH$|^[ -][1-9][0-9]{1,2} nH$");
            FUZZ_REQUIRE(henry.matches(outcome.text));
            FUZZ_REQUIRE(FormatInductance(outcome.henries).text == outcome.text);
        }
        if (port.logOn) {
            FUZZ_REQUIRE(port.log.size() >= 7 && port.log.back() == "<end of record>");
            FUZZ_REQUIRE(port.log[port.log.size() - 3] == "Inductance = " + outcome.text);
            FUZZ_REQUIRE(port.log.size() == shape.fields.size() + 6);
        } else {
            FUZZ_REQUIRE(port.log.empty());
        }
        break;
    }
    case Outcome::Kind::Refused: {
        FUZZ_REQUIRE(validity != Validity::Valid);
        FUZZ_REQUIRE(messages.size() == 1 && messages[0] == "message error: " + outcome.text);
        FUZZ_REQUIRE(expect.refusals.count(outcome.text) == 1);
        FUZZ_REQUIRE(beeps == 0 && port.log.empty());
        FUZZ_REQUIRE(resultBox == kPreviousResult);
        // The refused box holds its restore text and has the focus; any other
        // box rewritten (the spiral resets both radii) holds its own.
        FUZZ_REQUIRE(!focused.empty() && written.count(focused.back()) == 1);
        FUZZ_REQUIRE(!written.empty() && written.size() <= 2);
        for (const std::string& box : written) {
            FUZZ_REQUIRE(kRestoreTexts.count(box) == 1 && port.boxes.at(box) == kRestoreTexts.at(box));
        }
        break;
    }
    case Outcome::Kind::OutOfRange: {
        FUZZ_REQUIRE(validity != Validity::Invalid);
        FUZZ_REQUIRE(messages.size() == 1 && messages[0] == "message warning: " + outcome.text);
        FUZZ_REQUIRE(StartsWith(outcome.text, "Result out of range: "));
        FUZZ_REQUIRE(beeps == 0 && port.log.empty());
        FUZZ_REQUIRE(resultBox == kPreviousResult);
        FUZZ_REQUIRE(focused.size() == 1 && focused[0] == expect.outOfRangeFocus);
        for (const ShapeField& field : shape.fields) {
            const std::string box(field.box);
            FUZZ_REQUIRE(port.boxes.at(box) == kRestoreTexts.at(box));
        }
        if (shape.name != "spiral") {
            FUZZ_REQUIRE(!FormatInductance(outcome.henries).inRange);
        }
        break;
    }
    }
    // Nothing but the page's own boxes is touched.
    for (const auto& [box, text] : port.boxes) {
        FUZZ_REQUIRE(before.count(box) == 1);
    }
    return 0;
}
