#pragma once

namespace norvik {

// How a CSV file is written: UTF-8, with or without the byte-order mark spreadsheet programs
// look for, or Shift_JIS as spreadsheet programs on Japanese Windows save it (CP932).
enum class CsvEncoding { Utf8, Utf8WithBom, Cp932 };

} // namespace norvik
