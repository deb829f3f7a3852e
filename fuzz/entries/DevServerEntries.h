#pragma once

#include "FuzzCheck.h"

// The development server's readers of what clients send.
void fuzzSoapRequest(const std::uint8_t* data, std::size_t size);
// Input layout: see DevServerEntries.cpp.
void fuzzFormPost(const std::uint8_t* data, std::size_t size);
