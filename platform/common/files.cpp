#include "platform/common/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/system.h"
#include "platform/text_encoding.h"

namespace {

GameFolders g_Folders = {"DATA", "Save", "."};

bool IsDir(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates a folder and its parents; true when it exists afterwards.
bool MakeDirs(const std::string& path) {
    if (path.empty() || IsDir(path)) return true;
    size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirs(path.substr(0, slash))) return false;
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

// Writes all of it, riding over short writes and interrupted calls.
bool WriteAll(int fd, const void* data, size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

}  // namespace

GameFolders ResolveGameFolders(const char* exeDir, const char* gameDir, const char* xdgDataHome,
                               const char* home) {
    GameFolders f;
    if (gameDir && *gameDir) {
        f.base = gameDir;
        f.data = f.base + "/DATA";
        f.save = f.base + "/Save";
        return f;
    }
    std::string exe = exeDir && *exeDir ? exeDir : ".";
    f.base = exe;
    f.data = exe + "/DATA";
    f.save = exe + "/Save";
    std::string installed = exe + "/../share/miravel2/DATA";
    if (!IsDir(f.data) && IsDir(installed)) {
        f.data = installed;
        std::string dataHome;
        if (xdgDataHome && xdgDataHome[0] == '/')
            dataHome = xdgDataHome;
        else
            dataHome = std::string(home && *home ? home : ".") + "/.local/share";
        f.base = dataHome + "/miravel2";
        f.save = f.base + "/Save";
    }
    return f;
}

std::string ExecutableDir() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = '\0';
    char* slash = strrchr(buf, '/');
    if (!slash) return ".";
    if (slash == buf) return "/";
    *slash = '\0';
    return buf;
}

void FoldersInit(const char* gameDir) {
    g_Folders = ResolveGameFolders(ExecutableDir().c_str(), gameDir, getenv("XDG_DATA_HOME"), getenv("HOME"));
}

const char* sys_GamePath(const char* rel, char* out, size_t outSize) {
    if (!out || outSize == 0) return out;
    out[0] = '\0';
    if (!rel) return out;
    std::string r = rel;
    for (char& c : r)
        if (c == '\\') c = '/';
    std::string path;
    if (r.compare(0, 5, "DATA/") == 0)
        path = g_Folders.data + r.substr(4);
    else if (r.compare(0, 5, "Save/") == 0)
        path = g_Folders.save + r.substr(4);
    else if (!r.empty() && r[0] == '/')
        path = r;
    else
        path = g_Folders.base + "/" + r;
    // A path that does not fit is given as empty rather than cut into another name.
    if (path.size() < outSize) memcpy(out, path.c_str(), path.size() + 1);
    return out;
}

bool sys_WriteFileAtomic(const char* rel, const void* data, size_t size) {
    char pathBuf[4096];
    std::string path = sys_GamePath(rel, pathBuf, sizeof pathBuf);
    if (path.empty() || (size > 0 && !data)) return false;
    size_t slash = path.find_last_of('/');
    std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    if (!MakeDirs(dir)) return false;
    std::string tmp = path + ".tmpXXXXXX";
    int fd = mkstemp(&tmp[0]);
    if (fd < 0) return false;
    fchmod(fd, 0644);  // an ordinary file, not mkstemp's private one
    bool ok = WriteAll(fd, data, size) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok) ok = rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(tmp.c_str());
        return false;
    }
    // The rename itself is made durable by syncing the folder.
    int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
    return true;
}

void sys_DebugOutput(const char* sjis) {
#if defined(MIRAVEL_PLATFORM_DEBUG)
    if (sjis) fputs(SjisToUtf8(sjis).c_str(), stderr);
#else
    (void)sjis;
#endif
}
