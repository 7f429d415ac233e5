#pragma once
// Windows paths on this host.
//
// The program speaks the paths of the POS system ("C:\POS\WS.csv", "\\REG1\C\BDrive\").
// On Windows a path is used as it is. Elsewhere:
//   - drive C: is the directory $TOLVANE_DRIVE_C (default $XDG_DATA_HOME/tolvane/drive_c,
//     $XDG_DATA_HOME defaulting to $HOME/.local/share);
//   - a UNC path \\SERVER\SHARE\rest is $TOLVANE_UNC_ROOT/SERVER/SHARE/rest (default
//     $XDG_DATA_HOME/tolvane/unc);
//   - another drive letter X: is the sibling directory drive_x of the drive C: directory;
//   - a path that begins with a single '/' is already a path of this host and is kept;
//   - "\POS\WS.csv" (no drive) is on drive C:, and "C:name" starts at the drive's root;
//   - any other path is relative to the current directory;
//   - both '\' and '/' separate components; empty components and "." are skipped; ".."
//     removes the component before it but never climbs above a drive's root or above the
//     \\SERVER\SHARE of a UNC path; a trailing separator is dropped;
//   - each component that exists is found without regard to letter case (the Windows file
//     system ignores case): the name as written when it exists, else the first entry of the
//     directory that differs only in case; components that do not exist keep the case
//     written.
// The environment is read on every call.
#include <string>
#include <string_view>

namespace tolvane {

// The path of this host that a Windows path names. Never fails: a path that cannot be
// resolved any further keeps its remaining components as written.
std::string HostPath(std::string_view windowsPath);

// The directory that stands for drive C: on this host (no trailing separator).
std::string DriveCRoot();

// The directory under which UNC paths live on this host (no trailing separator).
std::string UncRoot();

// True when a and b are equal without regard to the case of the letters A-Z.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Wildcard match as a Windows directory listing does it: '*' any run of characters, '?' one
// character, letters compared without regard to case.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace tolvane
