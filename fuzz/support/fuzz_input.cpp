#include "support/fuzz_input.h"

#include <algorithm>

namespace qml_fuzz {

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size, std::size_t parameterCount)
    : m_data(data), m_size(size), m_parameterCount(parameterCount), m_at(std::min(size, parameterCount)) {}

std::uint8_t FuzzInput::Parameter(std::size_t i) const {
    return i < m_parameterCount && i < m_size ? m_data[i] : 0;
}

unsigned FuzzInput::Parameter16(std::size_t i) const {
    return static_cast<unsigned>(Parameter(i)) << 8 | Parameter(i + 1);
}

std::string FuzzInput::Field() {
    const std::uint8_t* begin = m_data + m_at;
    const std::uint8_t* end = m_data + m_size;
    const std::uint8_t* nul = std::find(begin, end, 0);
    std::string field(begin, nul);
    m_at = static_cast<std::size_t>(nul - m_data) + (nul == end ? 0 : 1);
    return field;
}

std::string FuzzInput::Rest() {
    std::string rest(m_data + m_at, m_data + m_size);
    m_at = m_size;
    return rest;
}

}  // namespace qml_fuzz
