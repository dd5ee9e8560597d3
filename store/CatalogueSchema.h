#pragma once
// The catalogue file's tables and views, for the tool that writes catalogues.
// The program itself never creates or alters them. Column positions matter:
// every query reads its columns by position.
namespace schema {

inline constexpr const char* kCreate = R"SQL(
CREATE TABLE T_Rezodi_Class (
  f_ID INTEGER PRIMARY KEY, f_ClassID INTEGER NOT NULL, f_ClassName TEXT NOT NULL,
  f_TypeID INTEGER NOT NULL);
CREATE TABLE T_Rezodi_FileList (
  f_FileID INTEGER PRIMARY KEY, f_ClassID INTEGER NOT NULL, f_ProgramName TEXT NOT NULL,
  f_Time TEXT, f_Clicks INTEGER NOT NULL DEFAULT 0);
CREATE INDEX I_FileList_Class ON T_Rezodi_FileList (f_ClassID);
CREATE TABLE T_Rezodi_MovieClass (f_ClassID INTEGER PRIMARY KEY, f_ClassName TEXT NOT NULL);
CREATE TABLE T_Rezodi_MovieList (
  f_ID INTEGER PRIMARY KEY, f_ClassID INTEGER NOT NULL, f_Name TEXT NOT NULL,
  f_Url TEXT NOT NULL);
CREATE TABLE T_Rezodi_Favorites (
  f_ID INTEGER PRIMARY KEY, f_FileID INTEGER, f_FavTime TEXT, f_Clicks INTEGER,
  f_UserID TEXT);
CREATE TABLE T_Rezodi_Played (
  f_ID INTEGER PRIMARY KEY, f_FileID INTEGER, f_PlayTime TEXT, f_Clicks INTEGER,
  f_UserID TEXT);
CREATE TABLE T_Sys_Skins (
  f_ID INTEGER PRIMARY KEY, f_H INTEGER, f_S INTEGER, f_B INTEGER, f_texture TEXT,
  f_Theme TEXT, f_UserID TEXT);
CREATE VIEW V_Rezodi_Favorites AS
  SELECT v.f_ID, v.f_FileID, v.f_FavTime, v.f_Clicks, v.f_UserID, t.f_ProgramName
  FROM T_Rezodi_Favorites v JOIN T_Rezodi_FileList t ON t.f_FileID = v.f_FileID;
CREATE VIEW V_Rezodi_Played AS
  SELECT v.f_ID, v.f_FileID, v.f_PlayTime, v.f_Clicks, v.f_UserID, t.f_ProgramName
  FROM T_Rezodi_Played v JOIN T_Rezodi_FileList t ON t.f_FileID = v.f_FileID;
)SQL";

// Parameters in the source's field order; the engine fills the key columns.
inline constexpr const char* kInsertClass =
    "INSERT INTO T_Rezodi_Class (f_ClassID, f_TypeID, f_ClassName) VALUES (?, ?, ?)";
inline constexpr const char* kInsertTitle =
    "INSERT INTO T_Rezodi_FileList (f_FileID, f_ClassID, f_ProgramName, f_Clicks, f_Time) "
    "VALUES (?, ?, ?, ?, ?)";
inline constexpr const char* kInsertCartoonClass =
    "INSERT INTO T_Rezodi_MovieClass (f_ClassID, f_ClassName) VALUES (?, ?)";
inline constexpr const char* kInsertCartoonPage =
    "INSERT INTO T_Rezodi_MovieList (f_ClassID, f_Name, f_Url) VALUES (?, ?, ?)";
inline constexpr const char* kInsertFavourite =
    "INSERT INTO T_Rezodi_Favorites (f_FileID, f_FavTime, f_Clicks, f_UserID) VALUES (?, ?, ?, ?)";
inline constexpr const char* kInsertPlayed =
    "INSERT INTO T_Rezodi_Played (f_FileID, f_PlayTime, f_Clicks, f_UserID) VALUES (?, ?, ?, ?)";
inline constexpr const char* kInsertSkin =
    "INSERT INTO T_Sys_Skins (f_H, f_S, f_B, f_texture, f_Theme, f_UserID) "
    "VALUES (?, ?, ?, ?, ?, ?)";

// For the dump: every table and view, in the order they were made.
inline constexpr const char* kListObjects =
    "SELECT type, name FROM sqlite_master WHERE type IN ('table', 'view') "
    "AND name NOT LIKE 'sqlite_%' ORDER BY rowid";
inline constexpr const char* kSelectAllFormat = "SELECT * FROM \"%s\"";

}  // namespace schema
