// SPDX-License-Identifier: MIT
// Command-line twin of the calculator (first cut: the worked examples).
#include "calculators.h"
#include "shapes.h"

#include <iostream>
#include <map>

namespace {
class TerminalPort : public loopcalc::FormPort {
public:
    std::map<std::string, std::string, std::less<>> boxes;
    std::string text(std::string_view box) const override
    {
        auto it = boxes.find(box);
        return it == boxes.end() ? std::string() : it->second;
    }
    void setText(std::string_view, const std::string&) override {}
    void setFocus(std::string_view) override {}
    void showMessage(const std::string&, loopcalc::MessageIcon) override {}
    void beep() override {}
    std::string decimalSeparator() const override { return "."; }
    bool logging() const override { return false; }
    void logLine(const std::string&) override {}
    void endLogRecord() override {}
};
}  // namespace

int main(int argc, char** argv)
{
    const loopcalc::Shape* shape = argc > 1 ? loopcalc::FindShape(argv[1]) : nullptr;
    if (shape == nullptr) {
        std::cerr << "usage: loopcalc-cli circular|rectangular|spiral|flat-rectangular\n";
        return 64;
    }
    TerminalPort port;
    for (const auto& field : shape->fields) {
        port.boxes[std::string(field.box)] = std::string(field.initialText);
    }
    const loopcalc::Outcome outcome = shape->calculate(port);
    (outcome.kind == loopcalc::Outcome::Kind::Result ? std::cout : std::cerr) << outcome.text << '\n';
    return outcome.kind == loopcalc::Outcome::Kind::Result ? 0 : 2;
}
