#include "DbQoLite.h"

#include "external/qocode/QocodeApp.h"

#include <sqlcipher/sqlite3.h>

#include <cstring>
#include <memory>
#include <random>

namespace {

// The catalogue's "latest" query orders by RANDOM(f_Time); SQLite's own RANDOM
// takes no argument, so a one-argument one that ignores its argument stands in.
void RandomIgnoringArgument(sqlite3_context* context, int /*argc*/, sqlite3_value** /*argv*/) {
    thread_local std::mt19937_64 engine{std::random_device{}()};
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(engine() >> 1));
}

}  // namespace

CSqlStatement::CSqlStatement(const char* sql, sqlite3* db) {
    if (sqlite3_prepare(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

CSqlStatement::~CSqlStatement() {
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

bool CSqlStatement::NextRow() {
    const int rc = m_stmt ? sqlite3_step(m_stmt) : SQLITE_MISUSE;
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        sqlite3_reset(m_stmt);
    return false;
}

bool CSqlStatement::Execute() {
    const int rc = m_stmt ? sqlite3_step(m_stmt) : SQLITE_MISUSE;
    if (rc != SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    return true;
}

int CSqlStatement::GetInt(int column) {
    return m_stmt ? sqlite3_column_int(m_stmt, column) : 0;
}

const char* CSqlStatement::GetText(int column) {
    const unsigned char* text = m_stmt ? sqlite3_column_text(m_stmt, column) : nullptr;
    m_strText = text ? reinterpret_cast<const char*>(text) : "(null)";
    return m_strText.c_str();
}

int CSqlStatement::GetColumnCount() {
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

CDbQoLite::~CDbQoLite() {
    if (m_db)
        sqlite3_close(m_db);
}

bool CDbQoLite::Open(const char* path, const char* key) {
    bool result = true;
    m_path = path ? path : "";
    const std::string encoded = CQocodeApp().PathEncode(m_path);
    // Never creates a file: the catalogue is installed, and a path that vanished
    // after the caller's existence test must not leave an empty database behind.
    if (sqlite3_open_v2(encoded.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        // The codec cannot take a key on a connection that never opened.
        return false;
    }
    if (key && sqlite3_key(m_db, key, static_cast<int>(std::strlen(key))) != SQLITE_OK)
        result = false;
    sqlite3_create_function(m_db, "RANDOM", 1, SQLITE_UTF8, nullptr, RandomIgnoringArgument,
                            nullptr, nullptr);
    return result;
}

CSqlStatement* CDbQoLite::Prepare(const char* sql) {
    return new CSqlStatement(sql, m_db);
}

bool CDbQoLite::ExecuteSql(const char* sql) {
    std::unique_ptr<CSqlStatement> statement(Prepare(sql));
    return statement->Execute();
}
