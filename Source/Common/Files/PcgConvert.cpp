#include "Common/Files/PcgConvert.h"

// Placeholder bodies until the engine lands: every call fails.
bool ConvertPCGtoQor(const char*, int, unsigned char*, int) {
    return false;
}

int ConvertQortoPCG(unsigned char*, unsigned, char*, int, int) {
    return 0;
}

bool GetPCGFIleInfo(const char*, int) {
    return false;
}

bool GetPCGStreamInfoEx(std::istream&, int*) {
    return false;
}
