#pragma once

// Result of a storage operation that can refuse or fail; Ok is 0 like every result code here.
enum class StorageResult {
    Ok = 0,
    InvalidName,   // a name that would leave its folder (see isValidFileName)
    MalformedFile, // a file holding values the settings class must not parse
    WriteFailed,
    FileNotFound, // a file to import that does not exist
};
