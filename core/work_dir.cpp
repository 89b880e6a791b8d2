#include "core/work_dir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/file_replace.h"
#include "core/user_file.h"

namespace ormix {

namespace fs = std::filesystem;

namespace {

constexpr char kOilLib[] = "OilLib";

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

// Without a trailing separator, so that "dir/" and "dir" read the same.
std::string Tidy(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool SameDirectory(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

bool HoldsOilLib(const std::string& dir) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(dir) / kOilLib, ec);
}

std::string InstalledDirOf(const std::string& installedOilLib) {
    return installedOilLib.empty() ? std::string()
                                   : fs::path(installedOilLib).parent_path().string();
}

// Puts a copy of the installed oil library into `dir`; the message of what
// failed, or empty.
std::string CopyOilLib(const std::string& installedOilLib, const std::string& dir) {
    const std::string target = (fs::path(dir) / kOilLib).string();
    if (installedOilLib.empty())
        return "No oil library is installed to copy into '" + dir +
               "'. Put an OilLib there, or name a directory that holds one with --workdir.";
    std::string bytes;
    const UserFileRead read = ReadUserFile(installedOilLib, bytes);
    if (!read.Ok())
        return "ORMIX cannot read its installed oil library '" + installedOilLib + "' (" +
               UserFileProblem(read) + "). Oils cannot be chosen until '" + dir +
               "' holds an OilLib.";
    std::string error;
    if (!ReplaceFile(target, bytes, error))
        return "ORMIX cannot copy its oil library into '" + dir + "': " + error +
               ". Oils cannot be chosen until OilLib is there.";
    return {};
}

}  // namespace

std::string WorkDirProblem(const std::string& dir, const std::string& installedOilLib) {
    std::error_code ec;
    const auto status = fs::status(dir, ec);
    if (!fs::exists(status)) return "the working directory " + dir + " does not exist";
    if (!fs::is_directory(status))
        return dir + " is not a directory; give the directory that holds the oil libraries";
    if (SameDirectory(dir, InstalledDirOf(installedOilLib)))
        return Tidy(Absolute(dir)) +
               " holds the installed files of ORMIX, which runs never change; give a "
               "directory of your own";
    return {};
}

WorkDirChoice ChooseWorkDir(const std::string& given, const std::string& current,
                            const std::string& dataDir, const std::string& installedOilLib) {
    WorkDirChoice choice;
    const std::string installedDir = InstalledDirOf(installedOilLib);
    if (!given.empty()) {
        choice.message = WorkDirProblem(given, installedOilLib);
        if (!choice.message.empty()) return choice;
        choice.dir = Tidy(Absolute(given));
        return choice;
    }
    if (HoldsOilLib(current) && !SameDirectory(current, installedDir)) {
        choice.dir = Tidy(Absolute(current));
        choice.source = WorkDirSource::Current;
        return choice;
    }
    choice.source = WorkDirSource::UserData;
    if (dataDir.empty()) {
        choice.message =
            "ORMIX cannot tell where to keep its files: neither XDG_DATA_HOME nor HOME names a "
            "directory. Name a directory that holds the oil library OilLib with --workdir.";
        return choice;
    }
    std::error_code ec;
    fs::create_directories(dataDir, ec);
    if (!fs::is_directory(dataDir)) {
        choice.message = "ORMIX cannot create its data directory '" + dataDir + "'" +
                         (ec ? ": " + ec.message() : std::string()) +
                         ". Name a directory that holds the oil library OilLib with --workdir.";
        return choice;
    }
    choice.dir = Tidy(Absolute(dataDir));
    // A library already there is the person's own copy, perhaps edited: kept.
    if (!fs::exists(fs::symlink_status(fs::path(choice.dir) / kOilLib, ec))) {
        choice.message = CopyOilLib(installedOilLib, choice.dir);
        choice.copiedOilLib = choice.message.empty();
    }
    return choice;
}

std::string UserDataDir(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is not to be used: it would depend on where
    // the program was started.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return (fs::path(Tidy(xdgDataHome)) / "ormix").string();
    if (home && home[0] == '/') return (fs::path(Tidy(home)) / ".local/share/ormix").string();
    return {};
}

std::string UserDataDir() {
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* account = ::getpwuid(::getuid());
        home = account ? account->pw_dir : nullptr;
    }
    return UserDataDir(std::getenv("XDG_DATA_HOME"), home);
}

std::string InstalledDataDir(const std::string& executable, const std::string& fallback) {
    if (!executable.empty()) {
        const fs::path beside =
            (fs::path(executable).parent_path() / ".." / "share" / "ormix").lexically_normal();
        if (HoldsOilLib(beside.string())) return Tidy(beside.string());
    }
    if (!fallback.empty() && HoldsOilLib(fallback)) return Tidy(fallback);
    return {};
}

std::string InstalledOilLib() {
    const std::string dir = InstalledDataDir(ExecutablePath(), ORMIX_INSTALLED_DATA_DIR);
    return dir.empty() ? std::string() : (fs::path(dir) / kOilLib).string();
}

std::string ExecutablePath() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

}  // namespace ormix
