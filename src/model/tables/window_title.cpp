#include "model/tables/window_title.h"

#include <algorithm>

std::string TitleBaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    name.resize(name.size() > 4 ? name.size() - 4 : 0);
    if (name.size() > kTitleBaseNameLength) name.resize(kTitleBaseNameLength);
    return name;
}

std::string MainWindowTitle(const std::string& filePath, const char* accountName) {
    std::string title = "Pennywhist";
    if (!filePath.empty()) title += " - " + TitleBaseName(filePath);
    if (accountName != nullptr) title += std::string(" (") + accountName + ")";
    return title;
}

std::string RemoveQuotes(std::string path) {
    path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
    return path;
}

std::string PrintTitle(const std::string& windowTitle, std::size_t most, const char* suffix) {
    return windowTitle.substr(0, most) + suffix;
}
