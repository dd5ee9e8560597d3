#pragma once
// One connection to the encrypted catalogue and one compiled statement with its
// cursor. Every user opens its own short-lived connection.
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class CSqlStatement {
public:
    CSqlStatement(const char* sql, sqlite3* db);
    virtual ~CSqlStatement();
    CSqlStatement(const CSqlStatement&) = delete;
    CSqlStatement& operator=(const CSqlStatement&) = delete;

    // True when a row is ready. After the last row the statement is reset, so
    // the next call starts the query again.
    bool NextRow();
    // True when the statement ran to completion without yielding a row.
    bool Execute();
    int GetInt(int column);
    // The column's text, "(null)" for SQL NULL; valid until the next GetText.
    const char* GetText(int column);
    int GetColumnCount();

private:
    sqlite3_stmt* m_stmt = nullptr;
    std::string m_strText;
};

class CDbQoLite {
public:
    CDbQoLite() = default;
    virtual ~CDbQoLite();
    CDbQoLite(const CDbQoLite&) = delete;
    CDbQoLite& operator=(const CDbQoLite&) = delete;

    // Opens the file (a program path) and applies the key. Runs no query: a key
    // that does not fit shows only when the first statement fails.
    bool Open(const char* path, const char* key);
    // A new statement owned by the caller, to be deleted before the connection.
    CSqlStatement* Prepare(const char* sql);
    bool ExecuteSql(const char* sql);

    const std::string& Path() const { return m_path; }

private:
    sqlite3* m_db = nullptr;
    std::string m_path;
};
