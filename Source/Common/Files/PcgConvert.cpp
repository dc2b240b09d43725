#include "Common/Files/PcgConvert.h"

#include "Common/Files/PcgExport.h"
#include "Common/Files/PcgImport.h"

bool ConvertPCGtoQor(const char* data, int length, unsigned char* image, int model) {
    return QorX0::PcgImportIntoImage(data, length, image, model);
}

int ConvertQortoPCG(unsigned char* image, unsigned model, char* buffer, int size, int kind) {
    return QorX0::PcgExportFromImage(image, model, buffer, size, kind);
}

bool GetPCGFIleInfo(const char* path, int kind) {
    try {
        return QorX0::CImportPcg::getPCGInfo(path, kind);
    } catch (...) {
        return false;
    }
}

bool GetPCGStreamInfoEx(std::istream& stream, int* kind) {
    try {
        return QorX0::CImportPcg::getPCGStreamInfoEx(stream, kind);
    } catch (...) {
        return false;
    }
}
