// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <sqlite3.h>

// SQLite, loaded only while a store has its file open: a store at rest
// gives the library's code and memory back.
namespace sqlitelib {

// The functions the store calls, named as SQLite names them without its
// prefix.
// clang-format off
#define SQLITELIB_FUNCTIONS(F) \
    F(bind_blob) F(bind_double) F(bind_int64) F(bind_null) F(bind_text) F(busy_timeout) \
    F(changes) F(clear_bindings) F(close) F(column_blob) F(column_bytes) F(column_count) \
    F(column_double) F(column_int) F(column_int64) F(column_name) F(column_text) F(column_type) \
    F(config) F(db_config) F(errmsg) F(errstr) F(exec) F(extended_errcode) \
    F(extended_result_codes) F(finalize) F(get_autocommit) F(last_insert_rowid) F(open_v2) \
    F(prepare_v2) F(prepare_v3) F(reset) F(shutdown) F(step) F(system_errno) \
    F(wal_checkpoint_v2) F(wal_hook)
// clang-format on

struct Api {
#define SQLITELIB_MEMBER(name)                                                                     \
    decltype(&::sqlite3_##name) name; // NOLINT(bugprone-macro-parentheses)
    SQLITELIB_FUNCTIONS(SQLITELIB_MEMBER)
#undef SQLITELIB_MEMBER
};

// Begins to load the library on a thread of its own, for the first
// acquire() to find it loaded.
void loadAhead();
// Loads the library on the first of these calls; false (and `error`, the
// reason) when it cannot be loaded. Called on the store's thread only.
bool acquire(QString *error);
// Gives the library back after the last acquire() that succeeded, once
// every connection is closed and no other thread uses it.
void release();
// The functions, between acquire() and release().
const Api &api();
// Whether the library is loaded in this process, by the store or anything
// else.
bool isLoaded();

} // namespace sqlitelib
