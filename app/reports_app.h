#pragma once
// The application object: runs the main dialog modally; the program ends with it.
namespace tolvane {

class CReportsApp {
  public:
    // Runs the main dialog until it ends. Returns false: the program ends without a message
    // loop of its own.
    bool InitInstance();
};

}  // namespace tolvane
