#pragma once
// Every SQL text the program sends to the catalogue, with the values spliced in.
// Texts are GBK like the values. A spliced text never changes the statement: quotes
// are doubled, LIKE wildcards in a name match only themselves, and a title number
// that is not a plain integer leaves the statement invalid (so it yields nothing).
#include <string>
#include <string_view>

namespace sql {

std::string ClassesOfType(std::string_view type);                          // T_Rezodi_Class
std::string TitlesOfClass(int classNumber);                                // T_Rezodi_FileList
std::string CartoonClasses();                                              // T_Rezodi_MovieClass
std::string PagesOfCartoonClass(int classNumber);                          // T_Rezodi_MovieList
std::string LatestTitles();                                                // 22 at random
std::string FavouritesOfUser(std::string_view user);                       // newest first
std::string HistoryOfUser(std::string_view user);                          // 22 newest
std::string TitleByName(std::string_view name);
std::string FavouriteOfTitle(std::string_view titleNumber);
std::string UpdateFavourite(int count, std::string_view titleNumber);
std::string InsertFavourite(std::string_view titleNumber, std::string_view user);
std::string UpdateTitleClicks(int count, std::string_view titleNumber);
std::string PlayedOfTitle(std::string_view titleNumber);
std::string UpdatePlayed(int count, std::string_view titleNumber);
std::string InsertPlayed(std::string_view titleNumber, std::string_view user);
std::string SkinsOfUser(std::string_view user);
std::string UpdateSkin(int hue, int saturation, int brightness, std::string_view texture,
                       std::string_view theme, std::string_view user);
std::string InsertSkin(int hue, int saturation, int brightness, std::string_view texture,
                       std::string_view theme, std::string_view user);

// Splicing rules, public for their tests.
std::string QuoteEscaped(std::string_view text);    // ' doubled, for inside '…'
std::string LikeCondition(std::string_view text);   // '…' plus ESCAPE when needed
std::string IntegerLiteral(std::string_view text);  // the text if it is one, else ""

}  // namespace sql
