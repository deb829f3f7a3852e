#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace kitbench {

// The job of a session. 0 = not chosen yet; 1..12 in the order of the introduction list.
enum RunMode : std::int16_t {
    RunModeNone = 0,
    CREATEINCIDENT = 1,
    CREATETASK = 2,
    CREATEEVENT = 3,
    CREATETODO = 4,
    CREATELIST = 5,
    UPLOAD = 6,
    DOWNLOAD = 7,
    CREATEPROJECT = 8,
    IMPORTPROJECT = 9,
    EXPORTPROJECT = 10,
    EXPORTCALENDAR = 11,
    IMPORTLIST = 12,
};

inline constexpr int kRunModeCount = 12;

struct RunModeInfo
{
    const char* keyword;
    int listEntryTextId; // entry of the introduction list
    int stepTextId;      // lblStep(0)
    int welcomeTextId;   // lblWelcome
};

// Indexed by run mode; entry 0 is the introduction page without a job.
inline constexpr std::array<RunModeInfo, kRunModeCount + 1> kRunModes{{
    {"", 0, 1010, 1011},
    {"CREATEINCIDENT", 1013, 1012, 1013},
    {"CREATETASK", 1015, 1014, 1015},
    {"CREATEEVENT", 1017, 1016, 1017},
    {"CREATETODO", 1019, 1018, 1019},
    {"CREATELIST", 1032, 1033, 1032},
    {"UPLOAD", 1021, 1020, 1021},
    {"DOWNLOAD", 1023, 1022, 1023},
    {"CREATEPROJECT", 1025, 1024, 1025},
    {"IMPORTPROJECT", 1027, 1026, 1027},
    {"EXPORTPROJECT", 1029, 1028, 1029},
    {"EXPORTCALENDAR", 1031, 1030, 1031},
    {"IMPORTLIST", 1034, 1035, 1034},
}};

inline const RunModeInfo& runModeInfo(int mode)
{
    return kRunModes[static_cast<std::size_t>(mode >= 0 && mode <= kRunModeCount ? mode : 0)];
}

} // namespace kitbench
