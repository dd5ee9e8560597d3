#include "CatalogueSql.h"

namespace sql {
namespace {

constexpr char kLikeEscape = '\\';

std::string Format(std::string_view head, std::string_view value, std::string_view tail = {}) {
    std::string text(head);
    text += value;
    text += tail;
    return text;
}

}  // namespace

std::string QuoteEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

std::string LikeCondition(std::string_view text) {
    // Byte-wise: a GBK trail byte can be '_' or '\', and SQLite's LIKE sees it
    // as that character.
    std::string pattern = "'";
    bool escaped = false;
    for (char c : text) {
        if (c == '%' || c == '_' || c == kLikeEscape) {
            pattern += kLikeEscape;
            escaped = true;
        }
        pattern += c;
        if (c == '\'')
            pattern += '\'';
    }
    pattern += '\'';
    if (escaped)
        pattern += " ESCAPE '\\'";
    return pattern;
}

std::string IntegerLiteral(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '-')
        digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 18)
        return {};
    for (char c : digits)
        if (c < '0' || c > '9')
            return {};
    return std::string(text);
}

std::string ClassesOfType(std::string_view type) {
    return Format("SELECT * FROM T_Rezodi_Class WHERE f_TypeID=", IntegerLiteral(type));
}

std::string TitlesOfClass(int classNumber) {
    return Format("SELECT * FROM T_Rezodi_FileList WHERE f_ClassID=", std::to_string(classNumber));
}

std::string CartoonClasses() {
    return "SELECT * FROM T_Rezodi_MovieClass";
}

std::string PagesOfCartoonClass(int classNumber) {
    return Format("SELECT * FROM T_Rezodi_MovieList WHERE f_ClassID=", std::to_string(classNumber));
}

std::string LatestTitles() {
    return "SELECT * FROM T_Rezodi_FileList ORDER BY  RANDOM(f_Time) DESC limit 22";
}

std::string FavouritesOfUser(std::string_view user) {
    return Format("SELECT * FROM V_Rezodi_Favorites WHERE f_UserID='", QuoteEscaped(user),
                  "' ORDER BY f_FavTime DESC");
}

std::string HistoryOfUser(std::string_view user) {
    return Format("SELECT * FROM V_Rezodi_Played WHERE f_UserID='", QuoteEscaped(user),
                  "' ORDER BY f_PlayTime DESC limit 22");
}

std::string TitleByName(std::string_view name) {
    return Format("SELECT * FROM T_Rezodi_FileList WHERE f_ProgramName LIKE ", LikeCondition(name));
}

std::string FavouriteOfTitle(std::string_view titleNumber) {
    return Format("SELECT * FROM T_Rezodi_Favorites WHERE f_FileID=", IntegerLiteral(titleNumber));
}

std::string UpdateFavourite(int count, std::string_view titleNumber) {
    return "UPDATE T_Rezodi_Favorites SET f_Clicks=" + std::to_string(count) +
           ", f_FavTime=(datetime('now', 'localtime')) WHERE f_FileID=" +
           IntegerLiteral(titleNumber);
}

std::string InsertFavourite(std::string_view titleNumber, std::string_view user) {
    return "INSERT INTO T_Rezodi_Favorites VALUES (NULL, " + IntegerLiteral(titleNumber) +
           ", (datetime('now', 'localtime')), 0, '" + QuoteEscaped(user) + "')";
}

std::string UpdateTitleClicks(int count, std::string_view titleNumber) {
    return "UPDATE T_Rezodi_FileList SET f_Clicks=" + std::to_string(count) +
           " WHERE f_FileID=" + IntegerLiteral(titleNumber);
}

std::string PlayedOfTitle(std::string_view titleNumber) {
    return Format("SELECT * FROM T_Rezodi_Played WHERE f_FileID=", IntegerLiteral(titleNumber));
}

std::string UpdatePlayed(int count, std::string_view titleNumber) {
    return "UPDATE T_Rezodi_Played SET f_Clicks=" + std::to_string(count) +
           ", f_PlayTime=(datetime('now', 'localtime')) WHERE f_FileID=" +
           IntegerLiteral(titleNumber);
}

std::string InsertPlayed(std::string_view titleNumber, std::string_view user) {
    return "INSERT INTO T_Rezodi_Played VALUES (NULL, " + IntegerLiteral(titleNumber) +
           ", (datetime('now', 'localtime')), 0, '" + QuoteEscaped(user) + "')";
}

std::string SkinsOfUser(std::string_view user) {
    return Format("SELECT * FROM T_Sys_Skins WHERE f_UserID LIKE ", LikeCondition(user));
}

std::string UpdateSkin(int hue, int saturation, int brightness, std::string_view texture,
                       std::string_view theme, std::string_view user) {
    return "UPDATE T_Sys_Skins SET f_H=" + std::to_string(hue) + ", f_S=" +
           std::to_string(saturation) + ", f_B=" + std::to_string(brightness) + ", f_texture='" +
           QuoteEscaped(texture) + "', f_Theme='" + QuoteEscaped(theme) + "' WHERE f_UserID='" +
           QuoteEscaped(user) + "'";
}

std::string InsertSkin(int hue, int saturation, int brightness, std::string_view texture,
                       std::string_view theme, std::string_view user) {
    return "INSERT INTO T_Sys_Skins VALUES (NULL, " + std::to_string(hue) + ", " +
           std::to_string(saturation) + ", " + std::to_string(brightness) + ", '" +
           QuoteEscaped(texture) + "', '" + QuoteEscaped(theme) + "', '" + QuoteEscaped(user) +
           "')";
}

}  // namespace sql
