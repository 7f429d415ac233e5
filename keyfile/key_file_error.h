#pragma once
// The last-error code of the keyed-file library.
//
// Every operation of the library reports success or failure by its result; the reason of the
// last failure stays in one process-wide code until an operation that resets it (OpenIndex,
// OpenDataFile, FindKey) or sets another one runs. The library serves one thread.
#include <cstdint>

namespace tolvane {

enum KeyFileCode : std::uint16_t {
    KFE_NONE = 0,       // no error
    KFE_IO = 3,         // a block could not be positioned at, or not moved in full; a node
                        // could not be loaded; no leaf within the tree's depth limit
    KFE_READ = 5,       // open: header, root node or spare block unreadable;
                        // close: header unreadable
    KFE_WRITE = 6,      // open or close: header could not be written
    KFE_BAD_MODE = 7,   // FindKey: mode other than 1 to 4, or a key buffer too short
    KFE_NO_MEMORY = 8,  // open: the handle could not be allocated
    KFE_OPEN = 9,       // open: the file could not be opened for reading and writing
    KFE_IN_USE = 10,    // open: the file's in-use flag was already set (the open succeeds)
};

// The code left by the last operation that set one.
KeyFileCode KeyFileError();

// Sets the code. Used by the library's operations.
void SetKeyFileError(KeyFileCode code);

}  // namespace tolvane
