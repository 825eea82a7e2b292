// SPDX-License-Identifier: MIT
#include "terminalport.h"

#include "numberreading.h"

#include <cassert>
#include <span>

namespace loopcalc::cli {

void TerminalPort::setShape(const Shape& shape)
{
    assert(shape.fields.size() <= kMaxFields);
    m_shape = &shape;
    for (std::size_t i = 0; i < shape.fields.size(); ++i) {
        m_texts[i] = shape.fields[i].initialText;
    }
}

void TerminalPort::setField(std::size_t index, std::string_view text)
{
    assert(m_shape != nullptr && index < m_shape->fields.size());
    m_texts[index] = text;
}

bool TerminalPort::setField(std::string_view option, std::string_view text)
{
    if (m_shape == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < m_shape->fields.size(); ++i) {
        if (m_shape->fields[i].option == option) {
            m_texts[i] = text;
            return true;
        }
    }
    return false;
}

Outcome TerminalPort::calculate()
{
    assert(m_shape != nullptr);
    return m_shape->calculate(*this);
}

std::string_view TerminalPort::view(std::string_view box) const
{
    if (m_shape == nullptr) {
        return {};
    }
    // The calculators name their boxes by the table's own views: the same
    // pointer settles it without comparing the characters.
    const std::span<const ShapeField> fields = m_shape->fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].box.data() == box.data() && fields[i].box.size() == box.size()) {
            return m_texts[i];
        }
    }
    return viewByName(box);
}

std::string_view TerminalPort::viewByName(std::string_view box) const
{
    for (std::size_t i = 0; i < m_shape->fields.size(); ++i) {
        if (m_shape->fields[i].box == box) {
            return m_texts[i];
        }
    }
    return {};
}

std::string TerminalPort::text(std::string_view box) const
{
    return std::string(view(box));
}

double TerminalPort::number(std::string_view box) const
{
    return ReadNumber(view(box), m_decimalSeparator);
}

void TerminalPort::setText(std::string_view /*box*/, const std::string& /*text*/) {}

void TerminalPort::setFocus(std::string_view /*box*/) {}

std::string TerminalPort::decimalSeparator() const
{
    return std::string(m_decimalSeparator);
}

}  // namespace loopcalc::cli
