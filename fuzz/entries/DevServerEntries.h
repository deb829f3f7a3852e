#pragma once

#include "FuzzCheck.h"

// The development server's readers of what clients send.
void fuzzSoapRequest(const std::uint8_t* data, std::size_t size);
// Input layout: see DevServerEntries.cpp.
void fuzzFormPost(const std::uint8_t* data, std::size_t size);
// Uploaded workbooks by their bytes (.xls, .xlsx or delimited text), read as the list import does.
void fuzzWorkbook(const std::uint8_t* data, std::size_t size);
// The worksheet part of an .xlsx workbook, scanned cell by cell as the reader streams it.
void fuzzSheetXml(const std::uint8_t* data, std::size_t size);
