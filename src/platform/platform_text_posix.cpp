#include "platform/platform_text.h"

#include "model/statements/windows_1252.h"

void AppendInCodePage(char32_t c, std::string& out) { out.push_back(static_cast<char>(Windows1252Byte(c))); }
