// Builds a database file from SQL scripts run in the order given.
//   crm-makedb [--if-absent] OUT SCRIPT...
// The file is built under a temporary name and renamed into place when every script ran,
// so a failed build never leaves a half-made database behind. With --if-absent an existing
// file is kept as it is: it may hold a user's data.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

static bool runScript(sqlite3* db, const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "crm-makedb: cannot read %s\n", path.c_str());
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    char* error = nullptr;
    if (sqlite3_exec(db, text.str().c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "crm-makedb: %s: %s\n", path.c_str(), error ? error : "error");
        sqlite3_free(error);
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    bool ifAbsent = false;
    if (!args.empty() && args.front() == "--if-absent") {
        ifAbsent = true;
        args.erase(args.begin());
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: crm-makedb [--if-absent] OUT SCRIPT...\n");
        return 2;
    }
    const fs::path out = args.front();
    if (fs::exists(out)) {
        if (ifAbsent)
            return 0;
        std::fprintf(stderr, "crm-makedb: %s exists\n", out.c_str());
        return 1;
    }
    if (out.has_parent_path())
        fs::create_directories(out.parent_path());
    const fs::path temp = out.string() + ".part";
    fs::remove(temp);

    sqlite3* db = nullptr;
    if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "crm-makedb: cannot create %s\n", temp.c_str());
        return 1;
    }
    char* error = nullptr;
    bool ok = sqlite3_exec(db, "BEGIN", nullptr, nullptr, &error) == SQLITE_OK;
    for (size_t i = 1; ok && i < args.size(); ++i)
        ok = runScript(db, args[i]);
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, &error) == SQLITE_OK;
    sqlite3_close(db);
    if (!ok) {
        fs::remove(temp);
        return 1;
    }
    fs::rename(temp, out);
    return 0;
}
