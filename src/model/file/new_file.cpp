#include "model/file/new_file.h"

#include <iterator>

bool NewFileSetup(Document& document) {
    document.Clear();
    const bool noneAdded = document.AddCategory(kDefaultCategories[0]);
    for (std::size_t i = 1; i < std::size(kDefaultCategories); ++i) document.AddCategory(kDefaultCategories[i]);
    return noneAdded;
}
