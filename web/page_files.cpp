#include "web/page_files.h"

#include "designs/form1_design.h"
#include "web/page_markup.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace abaquino::web {

// FNV-1a: a name that changes with the content, not a checksum against tampering.
std::string Fingerprint(std::string_view content)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : content) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (int shift = 60; shift >= 16; shift -= 4) hex += kDigits[(hash >> shift) & 0xf];
    return hex;
}

namespace {

std::string Replaced(std::string text, std::string_view placeholder, std::string_view value)
{
    const std::size_t at = text.find(placeholder);
    if (at == std::string::npos) throw std::runtime_error("no " + std::string(placeholder) + " to fill in");
    return text.replace(at, placeholder.size(), value);
}

}  // namespace

std::string ContentName(std::string_view stem, std::string_view extension, std::string_view content)
{
    return std::string(stem) + '-' + Fingerprint(content) + '.' + std::string(extension);
}

std::string LoaderOf(std::string_view loader, std::string_view programName, std::string_view newName)
{
    const std::string quoted = '"' + std::string(programName) + '"';
    const std::size_t at = loader.find(quoted);
    if (at == std::string_view::npos || loader.find(quoted, at + 1) != std::string_view::npos) {
        throw std::runtime_error("the loader does not name " + quoted + " exactly once");
    }
    return std::string(loader).replace(at, quoted.size(), '"' + std::string(newName) + '"');
}

std::string Manifest(std::string_view pngIcon, std::string_view svgIcon)
{
    const std::string colour = CssColour(designs::kForm1Background);
    return "{\n"
           "  \"id\": \"./\",\n"
           "  \"name\": \"Abaquino Euro\",\n"
           "  \"short_name\": \"" + std::string(designs::kForm1.caption) + "\",\n"
           "  \"description\": \"Calcolatrice con il cambio fisso tra euro e lire (1936,27 lire per euro)\",\n"
           "  \"lang\": \"it\",\n"
           "  \"start_url\": \"./\",\n"
           "  \"scope\": \"./\",\n"
           "  \"display\": \"standalone\",\n"
           "  \"background_color\": \"" + colour + "\",\n"
           "  \"theme_color\": \"" + colour + "\",\n"
           "  \"icons\": [\n"
           "    {\"src\": \"" + std::string(pngIcon) + "\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
           "    {\"src\": \"abaquino-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"},\n"
           "    {\"src\": \"abaquino-maskable-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\", \"purpose\": \"maskable\"},\n"
           "    {\"src\": \"" + std::string(svgIcon) + "\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"}\n"
           "  ]\n"
           "}\n";
}

std::string WithoutComments(std::string_view script)
{
    std::string shipped;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        if (line.empty() || line.starts_with("//")) continue;
        shipped.append(line).push_back('\n');
    }
    return shipped;
}

std::string ServiceWorker(std::string_view handWritten, std::string_view version, const std::vector<std::string>& files)
{
    std::string list;
    for (const std::string& file : files) list += (list.empty() ? "'" : ", '") + file + "'";
    return Replaced(Replaced(WithoutComments(handWritten), "@VERSION@", version), "@FILES@", list);
}

}  // namespace abaquino::web
