#pragma once

#include "directory/ServerCall.h"

#include <optional>

namespace kitbench {

// The object type code of a run mode for the dictionary, category and project list requests:
// incident 7, task 5, event 4, to-do 6, list 15, project 3, calendar -1, anything else 0. An import
// into an existing project asks for nothing (and its answer counts as "").
std::optional<qint16> dictionarySetCode(int runMode, bool importNewProject);

// LoadDictionaries (language, code): the language is text 12 of the pack, passed unchanged.
std::optional<ServerCall> loadDictionariesCall(const QString& language, int runMode, bool importNewProject);

// GetCategoryList2 (code); the same codes, except that the calendar asks with 0.
std::optional<ServerCall> categoryListCall(int runMode, bool importNewProject);

// GetOrvProjectList2 (code) for the item jobs, GetOrvProjectList () for the MS Project import and
// export, GetOrvProjectList2 (0) for any other job.
ServerCall projectListCall(int runMode);

// The category editor's save: UpdateCategoryList (catId, xml) for categories, UpdateDictionaries (xml)
// for the client dictionary (catId 0).
ServerCall categoryUpdateCall(qint16 catId, const QString& updateXml);

} // namespace kitbench
