// SPDX-License-Identifier: MIT
#include "scratchport.h"

#include "quantities.h"

#include <utility>

namespace loopcalc {

ScratchPort::ScratchPort(const Shape& shape, std::vector<std::string> texts, std::string decimalSeparator)
    : m_shape(&shape)
    , m_original(std::move(texts))
    , m_separator(std::move(decimalSeparator))
{
    m_original.resize(shape.fields.size());
    m_texts = m_original;
}

Outcome ScratchPort::calculate()
{
    m_texts = m_original;
    m_focused.clear();
    return restoredAfter(m_shape->calculate(*this));
}

Outcome ScratchPort::calculateWithTurns(double turns)
{
    m_texts = m_original;
    m_focused.clear();
    units::NumberBuffer buffer;
    std::string number(units::ShortestText(turns, buffer));
    // The calculator reads the turns with the page's separator.
    if (const auto point = number.find('.'); point != std::string::npos) {
        number.replace(point, 1, m_separator);
    }
    for (const ShapeField& field : m_shape->fields) {
        if (field.kind == FieldKind::Turns) {
            setText(field.box, number);
        }
    }
    return restoredAfter(m_shape->calculate(*this));
}

Outcome ScratchPort::restoredAfter(Outcome outcome)
{
    m_texts = m_original;
    return outcome;
}

std::size_t ScratchPort::indexOf(std::string_view box) const
{
    for (std::size_t i = 0; i < m_shape->fields.size(); ++i) {
        if (m_shape->fields[i].box == box) {
            return i;
        }
    }
    return m_shape->fields.size();
}

std::string ScratchPort::text(std::string_view box) const
{
    const std::size_t i = indexOf(box);
    return i < m_texts.size() ? m_texts[i] : std::string();
}

void ScratchPort::setText(std::string_view box, const std::string& text)
{
    if (const std::size_t i = indexOf(box); i < m_texts.size()) {
        m_texts[i] = text;
    }
}

void ScratchPort::setFocus(std::string_view box)
{
    if (m_focused.empty()) {
        m_focused = box;
    }
}

std::string ScratchPort::decimalSeparator() const
{
    return m_separator;
}

}  // namespace loopcalc
