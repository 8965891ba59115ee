// Resource identifiers, shared by the resource script and the code that loads them.
#pragma once

#define RESOURCE_PROGRAM_ICON 1
#define RESOURCE_TRAY_ICON 2
#define RESOURCE_SKIN_ENGINE_FILE 101
#define RESOURCE_SKIN_FILE 102

#ifdef __cplusplus
namespace resources {
inline constexpr int kProgramIcon = RESOURCE_PROGRAM_ICON;
inline constexpr int kTrayIcon = RESOURCE_TRAY_ICON;
inline constexpr int kSkinEngineFile = RESOURCE_SKIN_ENGINE_FILE;
inline constexpr int kSkinFile = RESOURCE_SKIN_FILE;
} // namespace resources
#endif
