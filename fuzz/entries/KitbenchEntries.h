#pragma once

#include "FuzzCheck.h"

// The wizard's readers of outside data, one entry per fuzz target.
void fuzzCommandLine(const std::uint8_t* data, std::size_t size);
void fuzzAnswerFile(const std::uint8_t* data, std::size_t size);
// A SOAP answer of the service, read as the answer to the operation it names, then checked.
void fuzzSoapResponse(const std::uint8_t* data, std::size_t size);
void fuzzServiceDescription(const std::uint8_t* data, std::size_t size);
void fuzzLibraryTree(const std::uint8_t* data, std::size_t size);
void fuzzListFolders(const std::uint8_t* data, std::size_t size);
void fuzzProjectList(const std::uint8_t* data, std::size_t size);
void fuzzDictionaries(const std::uint8_t* data, std::size_t size);
void fuzzPlanXml(const std::uint8_t* data, std::size_t size);
