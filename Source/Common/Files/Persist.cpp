#include "Common/Files/Persist.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "Common/Files/ChunkHeader.h"
#include "Common/Files/NativeFile.h"
#include "Common/Files/PcgConvert.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr std::ios::iostate kThrowAll = std::ios::badbit | std::ios::failbit | std::ios::eofbit;

// The file a path names, following symbolic links (also one that points at a file not made yet),
// so that a save replaces the file and leaves the link in place.
std::string ResolveLinks(const std::string& path) {
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        std::vector<char> target(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(at.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size()) return at;
        const std::string link(target.data(), static_cast<size_t>(n));
        const size_t slash = at.rfind('/');
        at = (link[0] == '/' || slash == std::string::npos) ? link : at.substr(0, slash + 1) + link;
    }
    return at;
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Replaces the file at path by the bytes: they go to a new file beside it (a name of our own, never
// one the user may have), which takes the old file's permissions, is flushed to the disk and then
// renamed over the old one. Until the rename the old file stays whole; on failure only the new
// file is removed.
bool ReplaceFile(const char* path, const char* data, size_t size, std::string* why) {
    const std::string target = ResolveLinks(path);
    const size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        *why = "not a regular file";
        return false;
    }
    static std::atomic<unsigned> serial{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".%ld.%u.%u.tmp", static_cast<long>(::getpid()),
                      serial.fetch_add(1), static_cast<unsigned>(std::random_device{}()));
        temp = (folder == "/" ? "" : folder) + "/." + base + suffix;
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        *why = std::string("cannot create a file beside it: ") + std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, data, size);
    if (!ok) *why = std::string("write failed: ") + std::strerror(errno);
    if (ok && exists) {
        // The owner and group are kept where we may (only the superuser gives a file away); the
        // permissions must hold.
        const bool owned = ::fchown(fd, old.st_uid, old.st_gid) == 0;
        (void)owned;
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            *why = std::string("cannot keep the permissions: ") + std::strerror(errno);
            ok = false;
        }
    }
    if (ok && ::fsync(fd) != 0) {
        *why = std::string("sync failed: ") + std::strerror(errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        *why = std::string("close failed: ") + std::strerror(errno);
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        *why = std::string("rename failed: ") + std::strerror(errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself is durable once the folder is flushed.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool KnownModel(uint8_t model) {
    return GetNativeModelTag(model) != nullptr;
}

// The PCG engine counts models 0 (Tolva) and 1 (Nerimo).
int PcgModelIndex(uint8_t model) {
    return model == kPmidTolva ? 0 : 1;
}

// Puts back the exception mask on every way out and clears the error state; a reader also
// returns to where it started.
template <class Stream>
class StreamGuard {
public:
    explicit StreamGuard(Stream& s) : mS(s), mMask(s.exceptions()) {
        mS.exceptions(std::ios::goodbit);
        mS.clear();
    }
    ~StreamGuard() {
        try {
            mS.exceptions(std::ios::goodbit);
            mS.clear();
            if constexpr (std::is_base_of_v<std::istream, Stream>) {
                if (mRewind) mS.seekg(mStart);
            }
            mS.clear();
            mS.exceptions(mMask);
        } catch (...) {
        }
    }
    void RewindOnExit(std::istream::pos_type start) {
        mStart = start;
        mRewind = true;
    }

private:
    Stream& mS;
    std::ios::iostate mMask;
    std::istream::pos_type mStart{};
    bool mRewind = false;
};

// Back to the start with no error and no exceptions, for the next attempt at reading.
void Restart(std::istream& is, std::istream::pos_type start) {
    is.exceptions(std::ios::goodbit);
    is.clear();
    is.seekg(start);
}

void SaveNative(std::ostream& os, uint8_t model, const PERSISTPARAMS* params) {
    if (!CheckNativeSave(model, params)) throw std::runtime_error("save native failed");
    try {
        ChunkWrite file(os);
        if (!SaveStreamNativeHeader(os, model, params) || !SaveStreamNativeBody(os, model, params))
            throw std::runtime_error("save native failed");
        file.Close();
    } catch (const std::exception&) {
        // Stream failures and a stream that cannot seek back to its size fields get the fixed text.
        throw std::runtime_error("save native failed");
    }
}

void SaveChunk(std::ostream& os, uint8_t model, const PERSISTPARAMS* params) {
    if (!CheckNativeSave(model, params)) throw std::runtime_error("save VST failed");
    try {
        ChunkWrite chunk(os);
        if (!SaveStreamVSTHeader(os, model, params)) throw std::runtime_error("save VST failed");
        ChunkWrite file(os);
        if (!SaveStreamNativeHeader(os, model, params) || !SaveStreamNativeBody(os, model, params))
            throw std::runtime_error("save VST failed");
        file.Close();
        chunk.Close();
    } catch (const std::exception&) {
        throw std::runtime_error("save VST failed");
    }
}

void SavePcg(std::ostream& os, uint8_t model, const PERSISTPARAMS* params) {
    const int kind = static_cast<int>(params->kind) - 19;
    unsigned char* image = params->image->Bytes();
    const unsigned modelIndex = static_cast<unsigned>(PcgModelIndex(model));
    const int size = ConvertQortoPCG(image, modelIndex, nullptr, 0, kind);
    if (size <= 0) throw std::runtime_error("PCG export failed");
    std::vector<char> buffer(static_cast<size_t>(size));
    if (ConvertQortoPCG(image, modelIndex, buffer.data(), size, kind) != size)
        throw std::runtime_error("PCG export failed");
    try {
        os.write(buffer.data(), size);
    } catch (const std::ios::failure&) {
        throw std::runtime_error("PCG export failed");
    }
}

// Reads the native body after a parsed header; errors of the stream become the given text.
void LoadBody(std::istream& is, const NATIVEHEADER& header, uint8_t model, PERSISTPARAMS* work,
              const char* error) {
    work->kind = header.kind;
    try {
        is.exceptions(kThrowAll);
        if (!LoadNativeBody(is, header, model, work)) throw fileioerror(error);
    } catch (const std::ios::failure&) {
        throw fileioerror(error);
    }
}

bool LoadPcg(std::istream& is, std::istream::pos_type start, uint8_t model, PERSISTPARAMS* work) {
    int pcgKind = 0;
    if (!GetPCGStreamInfoEx(is, &pcgKind) || pcgKind < 2 || pcgKind > 7) return false;
    work->kind = static_cast<FTYPE>(pcgKind + 19);
    if (!KnownModel(model)) throw fileioerror("invalid argument");
    Restart(is, start);
    is.seekg(0, std::ios::end);
    const std::istream::pos_type end = is.tellg();
    if (!is || end == std::istream::pos_type(-1) || end - start > INT_MAX)
        throw fileioerror("conversion failed");
    const std::streamoff length = end - start;
    is.seekg(start);
    std::vector<char> data(static_cast<size_t>(length));
    is.read(data.data(), length);
    if (is.gcount() != length) throw fileioerror("conversion failed");
    if (!ConvertPCGtoQor(data.data(), static_cast<int>(length), work->image->Bytes(), PcgModelIndex(model)))
        throw fileioerror("conversion failed");
    return true;
}

}  // namespace

ChunkWrite::ChunkWrite(std::ostream& os) : mOs(os), mStart(os.tellp()) {
    if (mStart == std::ostream::pos_type(-1)) throw std::runtime_error("stream not seekable");
}

void ChunkWrite::Close() {
    const std::ostream::pos_type end = mOs.tellp();
    if (end == std::ostream::pos_type(-1)) throw std::runtime_error("stream not seekable");
    const uint64_t size = static_cast<uint64_t>(end - mStart) - 8;
    if (static_cast<uint64_t>(end - mStart) < 8 || size > UINT32_MAX)
        throw std::runtime_error("chunk too large");
    const char raw[4] = {static_cast<char>(size >> 24), static_cast<char>(size >> 16),
                         static_cast<char>(size >> 8), static_cast<char>(size)};
    mOs.seekp(mStart + static_cast<std::streamoff>(4));
    mOs.write(raw, sizeof(raw));
    mOs.seekp(end);
    if (!mOs) throw std::runtime_error("stream write failed");
}

bool PersistSaveStream(std::ostream& os, uint8_t model, const PERSISTPARAMS* params) {
    StreamGuard<std::ostream> guard(os);
    try {
        os.exceptions(std::ios::badbit | std::ios::failbit);
        if (!params || !params->image || params->kind > FTYPE_PCG_LAST) throw fileioerror("invalid argument");
        const FTYPE kind = params->kind;
        if (kind >= FTYPE_ALL && kind <= FTYPE_EXTC) {
            SaveNative(os, model, params);
        } else if (kind >= FTYPE_VSTBANK && kind <= FTYPE_VSTMULTI) {
            SaveChunk(os, model, params);
        } else if (kind >= FTYPE_PCG_FIRST && KnownModel(model)) {
            SavePcg(os, model, params);
        } else {
            throw fileioerror("invalid argument");
        }
        return true;
    } catch (const std::exception& e) {
        TRACE("FileIO: Save failed, %s\n", e.what());
    } catch (...) {
        TRACE("FileIO: Save failed, unknown error\n");
    }
    return false;
}

bool PersistSaveStream(const char* path, uint8_t model, const PERSISTPARAMS* params) {
    if (!path || !*path) {
        TRACE("FileIO: Save failed, %s\n", "invalid argument");
        return false;
    }
    // The whole file is made in memory first: a refused save touches nothing on disk.
    std::ostringstream os(std::ios::binary);
    if (!PersistSaveStream(os, model, params)) return false;
    const std::string bytes = std::move(os).str();
    std::string why;
    if (!ReplaceFile(path, bytes.data(), bytes.size(), &why)) {
        TRACE("FileIO: Save failed, %s\n", why.c_str());
        return false;
    }
    return true;
}

bool PersistLoadStream(std::istream& is, uint8_t model, PERSISTPARAMS* params) {
    StreamGuard<std::istream> guard(is);
    try {
        const std::istream::pos_type start = is.tellg();
        if (start == std::istream::pos_type(-1)) throw fileioerror("invalid argument");
        guard.RewindOnExit(start);
        if (!params || !params->image) throw fileioerror("invalid argument");

        // The readers below change the image only once everything is read and checked; the caller's
        // other parameters change only when all went well.
        PERSISTPARAMS work = *params;

        bool loaded = false;
        NATIVEHEADER header;
        Restart(is, start);
        if (ParseNativeHeader(is, &header)) {
            LoadBody(is, header, model, &work, "load native failed");
            loaded = true;
        }
        if (!loaded) {
            Restart(is, start);
            if (ParseStreamVSTHeader(is)) {
                if (!ParseNativeHeader(is, &header)) throw fileioerror("load VST failed");
                LoadBody(is, header, model, &work, "load VST failed");
                loaded = true;
            }
        }
        if (!loaded) {
            Restart(is, start);
            work.kind = FTYPE_UNKNOWN;
            loaded = LoadPcg(is, start, model, &work);
        }
        Restart(is, start);
        if (!loaded) throw fileioerror("unknown format");

        *params = work;
        return true;
    } catch (const std::exception& e) {
        TRACE("FileIO: Load failed, %s\n", e.what());
    } catch (...) {
        TRACE("FileIO: Load failed, unknown error\n");
    }
    return false;
}

bool PersistLoadStream(const char* path, uint8_t model, PERSISTPARAMS* params) {
    std::ifstream is;
    if (path) is.open(path, std::ios::binary);
    if (!is.is_open()) {
        TRACE("FileIO: Load failed, %s\n", "invalid argument");
        return false;
    }
    return PersistLoadStream(is, model, params);
}

bool PersistFindStreamType(std::istream& is, FTYPE* kind, uint8_t* model) {
    if (kind) *kind = FTYPE_UNKNOWN;
    if (model) *model = 0;
    const std::ios::iostate mask = is.exceptions();
    std::istream::pos_type start = std::istream::pos_type(-1);
    bool found = false;
    try {
        is.exceptions(std::ios::goodbit);
        is.clear();
        start = is.tellg();
        if (start != std::istream::pos_type(-1)) {
            NATIVEHEADER header;
            found = ParseNativeHeader(is, &header);
            if (!found) {
                Restart(is, start);
                found = ParseStreamVSTHeader(is) && ParseNativeHeader(is, &header);
            }
            if (found) {
                if (kind) *kind = header.kind;
                if (model) *model = header.model;
            } else {
                Restart(is, start);
                int pcgKind = 0;
                if (GetPCGStreamInfoEx(is, &pcgKind) && pcgKind >= 2 && pcgKind <= 7) {
                    if (kind) *kind = static_cast<FTYPE>(pcgKind + 19);
                    found = true;
                    // A PCG file is loaded from its start: leave the stream there.
                    Restart(is, start);
                }
            }
        }
    } catch (...) {
        found = false;
    }
    try {
        is.clear();
        if (!found && start != std::istream::pos_type(-1)) is.seekg(start);
        is.clear();
        is.exceptions(mask);
    } catch (...) {
    }
    return found;
}

bool PersistFindStreamType(const char* path, FTYPE* kind, uint8_t* model) {
    if (kind) *kind = FTYPE_UNKNOWN;
    if (model) *model = 0;
    std::ifstream is;
    if (path) is.open(path, std::ios::binary);
    return is.is_open() && PersistFindStreamType(is, kind, model);
}

}  // namespace QorX0
