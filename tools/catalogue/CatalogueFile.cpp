#include "CatalogueFile.h"

#include "platform/Gbk.h"
#include "store/CatalogueSchema.h"

#include <sqlcipher/sqlite3.h>

#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

namespace catalogue {
namespace {

using DbPtr = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using StmtPtr = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

DbPtr OpenKeyed(const std::string& path, int flags, const std::string& key) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    DbPtr db(raw, sqlite3_close);
    if (rc != SQLITE_OK)
        throw CatalogueError("cannot open " + path + ": " + sqlite3_errstr(rc));
    if (sqlite3_key(db.get(), key.data(), static_cast<int>(key.size())) != SQLITE_OK)
        throw CatalogueError("cannot apply the key to " + path);
    return db;
}

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw CatalogueError(message);
    }
}

StmtPtr PrepareStatement(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        throw CatalogueError(sqlite3_errmsg(db));
    return StmtPtr(raw, sqlite3_finalize);
}

const std::map<std::string, const char*>& InsertOf() {
    static const std::map<std::string, const char*> inserts{
        {"class", schema::kInsertClass},
        {"title", schema::kInsertTitle},
        {"cartoon-class", schema::kInsertCartoonClass},
        {"cartoon", schema::kInsertCartoonPage},
        {"favourite", schema::kInsertFavourite},
        {"played", schema::kInsertPlayed},
        {"skin", schema::kInsertSkin},
    };
    return inserts;
}

void Bind(sqlite3_stmt* statement, int index, const Value& value) {
    switch (value.kind) {
    case Value::Kind::Null: sqlite3_bind_null(statement, index); break;
    case Value::Kind::Integer: sqlite3_bind_int64(statement, index, value.integer); break;
    case Value::Kind::Text:
        sqlite3_bind_text(statement, index, value.text.data(), static_cast<int>(value.text.size()),
                          SQLITE_TRANSIENT);
        break;
    }
}

void Insert(sqlite3* db, std::map<std::string, StmtPtr>& cache, const Record& record) {
    auto it = cache.find(record.kind);
    if (it == cache.end())
        it = cache.emplace(record.kind, PrepareStatement(db, InsertOf().at(record.kind))).first;
    sqlite3_stmt* statement = it->second.get();
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    for (std::size_t i = 0; i < record.values.size(); ++i)
        Bind(statement, static_cast<int>(i + 1), record.values[i]);
    if (sqlite3_step(statement) != SQLITE_DONE)
        throw CatalogueError(record.kind + " record: " + sqlite3_errmsg(db));
}

}  // namespace

void WriteCatalogue(const std::vector<Record>& records, const std::string& utf8Path,
                    const std::string& key) {
    const std::filesystem::path target(utf8Path);
    std::filesystem::path temp = target;
    temp += ".part" + std::to_string(::getpid());
    std::filesystem::remove(temp);
    try {
        {
            DbPtr db = OpenKeyed(temp.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, key);
            Exec(db.get(), "BEGIN");
            Exec(db.get(), schema::kCreate);
            std::map<std::string, StmtPtr> inserts;
            for (const auto& record : records)
                Insert(db.get(), inserts, record);
            inserts.clear();
            Exec(db.get(), "COMMIT");
        }
        std::filesystem::rename(temp, target);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw;
    }
}

void DumpCatalogue(const std::string& utf8Path, const std::string& key, std::ostream& out) {
    if (!std::filesystem::is_regular_file(utf8Path))
        throw CatalogueError("no file at " + utf8Path);
    DbPtr db = OpenKeyed(utf8Path, SQLITE_OPEN_READONLY, key);
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db.get(), schema::kListObjects, -1, &raw, nullptr) != SQLITE_OK)
        throw CatalogueError(utf8Path + " is not a catalogue, or the key is wrong");
    StmtPtr objects(raw, sqlite3_finalize);
    while (sqlite3_step(objects.get()) == SQLITE_ROW) {
        const std::string type = reinterpret_cast<const char*>(sqlite3_column_text(objects.get(), 0));
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(objects.get(), 1));
        out << "== " << type << " " << name << "\n";
        char* sql = sqlite3_mprintf(schema::kSelectAllFormat, name.c_str());
        StmtPtr rows = PrepareStatement(db.get(), sql);
        sqlite3_free(sql);
        const int columns = sqlite3_column_count(rows.get());
        for (int c = 0; c < columns; ++c)
            out << (c ? "\t" : "") << sqlite3_column_name(rows.get(), c);
        out << "\n";
        while (sqlite3_step(rows.get()) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                const auto* text = sqlite3_column_text(rows.get(), c);
                out << (c ? "\t" : "")
                    << (text ? platform::GbkToUtf8(reinterpret_cast<const char*>(text)) : "\\N");
            }
            out << "\n";
        }
    }
}

}  // namespace catalogue
