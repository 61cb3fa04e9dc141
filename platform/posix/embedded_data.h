// The data files linked into the library (generated at build time from the committed .bin
// files by cmake/embedded_data.cmake).
#pragma once

#include <cstddef>

namespace qml::embedded {

// The converter's code tables (resources 11007 to 11010 on Windows).
extern const unsigned char big5_to_gb[];
extern const std::size_t big5_to_gb_size;
extern const unsigned char gb_to_big5[];
extern const std::size_t gb_to_big5_size;
extern const unsigned char big5_to_cp936[];
extern const std::size_t big5_to_cp936_size;
extern const unsigned char cp936_to_big5[];
extern const std::size_t cp936_to_big5_size;

// Code page 936 character mappings: 126 rows (lead 0x81..0xFE) of 191 two-byte cells
// (trail 0x40..0xFE), each the code that replaces the cell's own.
extern const unsigned char cp936_to_traditional[];
extern const std::size_t cp936_to_traditional_size;
extern const unsigned char cp936_to_simplified[];
extern const std::size_t cp936_to_simplified_size;

}  // namespace qml::embedded
