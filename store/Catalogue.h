#pragma once
// How every user of the catalogue finds and opens it.
#include "DbQoLite.h"

#include <memory>
#include <string>

class QWidget;

inline constexpr const char* kCatalogueKey = "R908@771T";

// "VantriBB.dat" in the catalogue folder of the current user.
std::string CataloguePath();

// Opens the catalogue with its key. When the file is missing or will not open,
// shows the CODE:1002 box (owner and flags as the caller's box needs) and
// returns nothing.
std::unique_ptr<CDbQoLite> OpenCatalogue(QWidget* owner, unsigned boxFlags);
