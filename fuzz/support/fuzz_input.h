// A fuzz input read as a few parameter bytes followed by text fields separated by NUL bytes:
//   <parameters> <field 0> NUL <field 1> NUL ...
// Missing parameters read as 0 and missing fields as empty texts, so every input is valid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qml_fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size, std::size_t parameterCount);

    std::uint8_t Parameter(std::size_t i) const;
    // Two parameter bytes, i and i + 1, as a number 0..65535.
    unsigned Parameter16(std::size_t i) const;

    // The next field: the bytes up to the next NUL or the end.
    std::string Field();
    // Every byte that no field took yet, NULs included.
    std::string Rest();

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_parameterCount;
    std::size_t m_at;
};

}  // namespace qml_fuzz
