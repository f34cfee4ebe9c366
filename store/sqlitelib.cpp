// SPDX-License-Identifier: MIT
#include "sqlitelib.h"

#include <dlfcn.h>

#include <thread>

namespace sqlitelib {
namespace {

constexpr const char *libraryName = "libsqlite3.so.0";

void *handle = nullptr;
int users = 0;
bool ownLoad = false; // loaded here, not already by the program itself
Api functions{};

// A load begun ahead, on a thread of its own; acquire() waits for it.
struct Ahead {
    std::thread thread;
    QString error;
    ~Ahead()
    {
        if (thread.joinable())
            thread.join();
    }
} ahead;

template <class F> bool resolve(F &function, const char *name)
{
    function = reinterpret_cast<F>(dlsym(handle, name));
    return function != nullptr;
}

bool resolveAll()
{
    bool all = true;
#define SQLITELIB_RESOLVE(name) all = all && resolve(functions.name, "sqlite3_" #name);
    SQLITELIB_FUNCTIONS(SQLITELIB_RESOLVE)
#undef SQLITELIB_RESOLVE
    return all;
}

// Loads the library and finds its functions; `handle` is set when it could.
void load(QString *error)
{
    ownLoad = !isLoaded();
    handle = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        *error =
            QStringLiteral("SQLite cannot be loaded (%1)").arg(QString::fromLocal8Bit(dlerror()));
        return;
    }
    if (!resolveAll()) {
        *error = QStringLiteral("the SQLite library \"%1\" lacks a function the store needs")
                     .arg(QLatin1String(libraryName));
        dlclose(handle);
        handle = nullptr;
        return;
    }
    // Two small records: no memory is set aside up front for the page
    // cache, as it is for larger databases. (This takes only before SQLite
    // is first used after loading.)
    functions.config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
}

} // namespace

void loadAhead()
{
    if (!handle && !ahead.thread.joinable())
        ahead.thread = std::thread([] { load(&ahead.error); });
}

bool acquire(QString *error)
{
    if (ahead.thread.joinable()) {
        ahead.thread.join();
        if (!handle && error)
            *error = ahead.error;
    } else if (!handle) {
        QString why;
        load(&why);
        if (!handle && error)
            *error = why;
    }
    if (!handle)
        return false;
    ++users;
    return true;
}

void release()
{
    if (users == 0 || --users > 0)
        return;
    // What SQLite set up for itself goes with it, unless the program uses
    // SQLite itself and may still have connections open.
    if (ownLoad)
        functions.shutdown();
    dlclose(handle);
    handle = nullptr;
    functions = Api{};
}

const Api &api()
{
    return functions;
}

bool isLoaded()
{
    void *loaded = dlopen(libraryName, RTLD_NOW | RTLD_NOLOAD);
    if (loaded)
        dlclose(loaded);
    return loaded != nullptr;
}

} // namespace sqlitelib
