// SPDX-License-Identifier: MIT
#include "mainwindowdesign.h"

#include <array>

namespace loopcalc::shell {

namespace {

using K = ControlKind;

constexpr std::string_view kStyle = "  Style  ";
constexpr std::string_view kInputData = "  Input Data  ";
constexpr std::string_view kResult = "  Result  ";
constexpr std::string_view kCalculate = "Calculate";
constexpr std::string_view kCalculateTip = "Calculate Inductance";
constexpr std::string_view kInductance = "Inductance:";

// Rows inside an input frame: labels at Left 160 and the tops below, boxes
// at Left 1980, 800 x 360.
constexpr int kLabelLeft = 160;
constexpr int kLabelWidth = 1800;
constexpr int kLabelHeight = 255;
constexpr std::array kLabelTop{360, 800, 1200, 1620};
constexpr int kBoxLeft = 1980;
constexpr std::array kBoxTop{288, 720, 1140, 1560};
constexpr int kBoxWidth = 800;
constexpr int kBoxHeight = 360;

constexpr ControlDesign Label(std::string_view name, std::string_view frame, int row, std::string_view caption)
{
    return {K::Label, name, frame, kLabelLeft, kLabelTop[row], kLabelWidth, kLabelHeight, caption, {}};
}

/// An input box; the text it starts with is its field's in the shape table.
constexpr ControlDesign Box(std::string_view name, std::string_view frame, int row, std::string_view toolTip)
{
    return {K::Input, name, frame, kBoxLeft, kBoxTop[row], kBoxWidth, kBoxHeight, {}, toolTip};
}

// Page 0: circular wire coil.
constexpr std::array kPage0{
    ControlDesign{K::Frame, "fraCircWireCoil", {}, 220, 1440, 4000, 3700, kStyle, {}},
    ControlDesign{K::Drawing, "imgCircWireCoil", "fraCircWireCoil", 120, 360, 3735, 3195, ":/coil-circular.svg", {}},
    ControlDesign{K::Frame, "fraInput2", {}, 4440, 1440, 3000, 2115, kInputData, {}},
    Label("lblRadius2", "fraInput2", 0, "Radius (mm):"),
    Box("txtRadius2", "fraInput2", 0, "Input Radius"),
    Label("lblTurns2", "fraInput2", 1, "No.of Turns:"),
    Box("txtTurns2", "fraInput2", 1, "Input Number of Turns"),
    Label("lblWire2", "fraInput2", 2, "Wire Radius (mm):"),
    Box("txtWire2", "fraInput2", 2, "Input Wire Radius"),
    ControlDesign{K::Frame, "fraResult2", {}, 4440, 3600, 3000, 720, kResult, {}},
    ControlDesign{K::Label, "lblResult2", "fraResult2", 135, 255, 1380, 255, kInductance, {}},
    ControlDesign{K::Result, "txtInductance2", "fraResult2", 1300, 255, 1600, 360, "5.82 µH", {}},
    ControlDesign{K::Button, "cmdCalculate2", {}, 5000, 4700, 2000, 400, kCalculate, kCalculateTip},
};
constexpr std::array<std::string_view, 5> kOrder0{"cmdCalculate2", "txtInductance2", "txtRadius2", "txtTurns2",
                                                  "txtWire2"};

// Page 1: rectangular wire coil.
constexpr std::array kPage1{
    ControlDesign{K::Frame, "fraImage1", {}, 220, 1440, 4000, 3700, kStyle, {}},
    ControlDesign{K::Drawing, "imgRectWireCoil", "fraImage1", 120, 360, 3735, 3195, ":/coil-rectangular.svg", {}},
    ControlDesign{K::Frame, "fraInput4", {}, 4440, 1440, 3000, 2115, kInputData, {}},
    Label("lblWidth4", "fraInput4", 0, "Width (mm):"),
    Box("txtWidth4", "fraInput4", 0, "Input Width"),
    Label("lblheight4", "fraInput4", 1, "Height (mm):"),
    Box("txtHeight4", "fraInput4", 1, "Input Height"),
    Label("lblTurns4", "fraInput4", 2, "No. of Turns:"),
    Box("txtTurns4", "fraInput4", 2, "Input Turns"),
    Label("lblWire4", "fraInput4", 3, "Wire Radius (mm):"),
    Box("txtWireRad4", "fraInput4", 3, "Input Wire Radius"),
    ControlDesign{K::Frame, "fraResult4", {}, 4440, 3600, 3000, 720, kResult, {}},
    ControlDesign{K::Label, "lblInductance4", "fraResult4", 135, 255, 1380, 255, kInductance, {}},
    ControlDesign{K::Result, "txtInductance4", "fraResult4", 1300, 255, 1600, 360, "5.85 µH", {}},
    ControlDesign{K::Button, "cmdCalculate3", {}, 5000, 4700, 2000, 400, kCalculate, kCalculateTip},
};
constexpr std::array<std::string_view, 6> kOrder1{"cmdCalculate3", "txtInductance4", "txtWidth4",
                                                  "txtHeight4",    "txtTurns4",      "txtWireRad4"};

// Page 2: flat spiral air coil. Its starting result text is a fixed text,
// the initial inputs' result (" 4.619 µH" once Calculate is pressed) to
// three significant digits.
constexpr std::array kPage2{
    ControlDesign{K::Frame, "fraSpiralCoil", {}, 220, 1440, 4000, 3700, kStyle, {}},
    ControlDesign{K::Drawing, "imgSpiralCoil", "fraSpiralCoil", 120, 360, 3735, 3195, ":/coil-spiral.svg", {}},
    ControlDesign{K::Frame, "fraInput3", {}, 4440, 1440, 3000, 2115, kInputData, {}},
    Label("Label1", "fraInput3", 0, "Outer Radius (mm):"),
    Box("txtOuterRadius3", "fraInput3", 0, "Input Outer Radius"),
    Label("Label2", "fraInput3", 1, "Inner Radius (mm):"),
    Box("txtInnerRadius3", "fraInput3", 1, "Input Inner Radius"),
    Label("Label3", "fraInput3", 2, "No. of Turns:"),
    Box("txtTurns3", "fraInput3", 2, "Input Number of Turns"),
    ControlDesign{K::Frame, "fraResult3", {}, 4440, 3600, 3000, 720, kResult, {}},
    ControlDesign{K::Label, "lblInductance3", "fraResult3", 135, 255, 1380, 255, kInductance, {}},
    ControlDesign{K::Result, "txtInductance3", "fraResult3", 1300, 255, 1600, 360, "4.62 µH", {}},
    ControlDesign{K::Button, "cmdCalculate4", {}, 5000, 4700, 2000, 400, kCalculate, kCalculateTip},
};
constexpr std::array<std::string_view, 5> kOrder2{"cmdCalculate4", "txtOuterRadius3", "txtInnerRadius3", "txtTurns3",
                                                  "txtInductance3"};

// Page 3: flat rectangular air coil; a shorter picture frame with a note below.
constexpr std::array kPage3{
    ControlDesign{K::Frame, "fraFlatRectCoil", {}, 220, 1440, 4000, 3300, kStyle, {}},
    ControlDesign{
        K::Drawing, "imgFlatRectCoil", "fraFlatRectCoil", 120, 360, 3735, 2760, ":/coil-flat-rectangular.svg", {}},
    ControlDesign{K::Frame, "fraInput1", {}, 4440, 1440, 3000, 2115, kInputData, {}},
    Label("lblWidth1", "fraInput1", 0, "Width (mm):"),
    Box("txtWidth1", "fraInput1", 0, "Input Width"),
    Label("lblHeight1", "fraInput1", 1, "Height (mm):"),
    Box("txtHeight1", "fraInput1", 1, "Input Height"),
    Label("lblTurns1", "fraInput1", 2, "No. of Turns:"),
    Box("txtTurns1", "fraInput1", 2, "Input Number of Turns"),
    Label("lblTrace1", "fraInput1", 3, "Trace Size (mm):"),
    Box("txtTrace1", "fraInput1", 3, "Input Trace Size"),
    ControlDesign{K::Frame, "fraResult1", {}, 4440, 3600, 3000, 720, kResult, {}},
    ControlDesign{K::Label, "lblInduct1", "fraResult1", 135, 255, 1380, 255, kInductance, {}},
    ControlDesign{K::Result, "txtInductance1", "fraResult1", 1300, 255, 1600, 360, "5.858 µH", {}},
    ControlDesign{K::Button, "cmdCalculate1", {}, 5000, 4700, 2000, 400, kCalculate, kCalculateTip},
    // The blanks after "taken" make the word-wrapped note break there.
    ControlDesign{K::Note,
                  "lblNote1",
                  {},
                  960,
                  4800,
                  2565,
                  450,
                  "(Note: Dimensions are taken           centre trace to centre trace)",
                  {}},
};
constexpr std::array<std::string_view, 6> kOrder3{"txtWidth1", "txtHeight1",    "txtTurns1",
                                                  "txtTrace1", "cmdCalculate1", "txtInductance1"};

constexpr std::array kPages{
    PageDesign{kPage0, kOrder0, "txtRadius2"},
    PageDesign{kPage1, kOrder1, "txtWidth4"},
    PageDesign{kPage2, kOrder2, "txtOuterRadius3"},
    PageDesign{kPage3, kOrder3, "txtWidth1"},
};

// About 350 twips a row: a tab height of 6.17 mm.
constexpr TabControlDesign kTabControl{"SSTab1", 210, 120, 8205, 5445, 350, "Calculate Aircoil  Inductance", 3};

constexpr std::array kWindowControls{
    ControlDesign{K::PlainFrame, "fraHeader", {}, 240, 5760, 8175, 855, {}, {}},
    ControlDesign{K::Banner, "lblRFID", "fraHeader", 240, 360, 1215, 255, "RFID", {}},
    ControlDesign{K::Logo, "imgHeader", "fraHeader", 5520, 180, 2445, 555, ":/header-logo.svg", {}},
};

}  // namespace

const TabControlDesign& MainTabControl()
{
    return kTabControl;
}

std::span<const PageDesign> MainPages()
{
    return kPages;
}

std::span<const ControlDesign> MainWindowControls()
{
    return kWindowControls;
}

}  // namespace loopcalc::shell
