#pragma once
// A reference to a file or folder: its POSIX path. Dragged files and chosen files are handed around as
// these records.
struct FSRef {
    char path[4096];
};
