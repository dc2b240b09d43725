#pragma once
// Public entry points of the PCG engine: import of PCG files into the data image, export of the
// image as PCG files, and sniffing of files and streams. None of them throws.
#include <istream>

extern "C" {

// Imports a whole PCG file held in memory into the data image. model is the model index (0 for the
// Tolva, 1 for the Nerimo). Returns true when the file was imported.
bool ConvertPCGtoQor(const char* data, int length, unsigned char* image, int model);

// Writes the image as a PCG file of kind 2..7. With a null buffer or a size of 0, returns the number
// of bytes the file takes and writes nothing; otherwise writes it and returns the bytes written.
// Any error returns 0.
int ConvertQortoPCG(unsigned char* image, unsigned model, char* buffer, int size, int kind);

// True when path is a PCG file of exactly kind (2..7), or of any kind when kind is -1.
bool GetPCGFIleInfo(const char* path, int kind);
}

// Sniffs a PCG file from the stream's current position; on success stores its kind (2..7). The
// stream is not rewound.
bool GetPCGStreamInfoEx(std::istream& stream, int* kind);
