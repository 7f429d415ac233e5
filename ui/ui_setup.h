#pragma once
// What every Qt program of Tolvane sets up before its first window.
namespace tolvane {

// Names the application after its executable, takes the command line after the program's name
// as the program's command line, maps the dialog fonts to installed metric-compatible ones and
// sets the window icon.
void SetUpApplication(int argc, char* argv[]);

}  // namespace tolvane
