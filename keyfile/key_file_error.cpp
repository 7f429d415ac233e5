#include "keyfile/key_file_error.h"

namespace tolvane {

namespace {

// Process-wide on purpose: callers read the reason after a result of 0, as with errno.
KeyFileCode g_keyFileError = KFE_NONE;

}  // namespace

KeyFileCode KeyFileError() {
    return g_keyFileError;
}

void SetKeyFileError(KeyFileCode code) {
    g_keyFileError = code;
}

}  // namespace tolvane
