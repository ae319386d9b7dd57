// Writes the page into a folder when the page is built; run under node, on the real files.
//   generate_page FOLDER PAGE SCRIPT BASE_CSS
//       a test program's page: PAGE loading SCRIPT, and abaquino.css, the hand-written look
//       followed by the designed places, fonts and colours;
//   generate_page --ship PROGRAM_DIR FOLDER BASE_CSS WORKER START
//       the page as shipped: index.html, the style sheet, the start script, the loader and its
//       program from PROGRAM_DIR, each named by its content, the manifest and the service worker
//       (sw.js).

#include "web/page_files.h"
#include "web/page_markup.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace abaquino::web;

std::string Read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void Write(const std::string& path, const std::string& content)
{
    std::ofstream file(path, std::ios::binary);
    file << content;
    if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

void WriteTestPage(const std::string& folder, const std::string& page, const std::string& script, const std::string& baseCss)
{
    Write(folder + "/" + page, PageHtml({.script = script}));
    Write(folder + "/abaquino.css", Read(baseCss) + PageCss());
}

// The program's name is in its loader, the loader's in the page, the page in the worker: each
// name is made once what it names is final.
void WriteShippedPage(const std::string& programDir, const std::string& folder, const std::string& baseCss,
                      const std::string& worker, const std::string& startScript)
{
    const std::string start = WithoutComments(Read(startScript));
    const std::string startName = ContentName("abaquino-start", "js", start);
    const std::string program = Read(programDir + "/abaquino.wasm");
    const std::string programName = ContentName("abaquino", "wasm", program);
    const std::string loader = LoaderOf(Read(programDir + "/abaquino.js"), "abaquino.wasm", programName);
    const std::string loaderName = ContentName("abaquino", "js", loader);
    const std::string style = Read(baseCss) + PageCss();
    const std::string styleName = ContentName("abaquino", "css", style);
    const std::string manifest = Manifest("abaquino-192.png", "abaquino.svg");
    const std::string page = PageHtml({.script = loaderName, .start = startName, .style = styleName,
                                       .manifest = "abaquino.webmanifest"});
    Write(folder + "/" + startName, start);
    Write(folder + "/" + programName, program);
    Write(folder + "/" + loaderName, loader);
    Write(folder + "/" + styleName, style);
    Write(folder + "/abaquino.webmanifest", manifest);
    Write(folder + "/index.html", page);
    const std::vector<std::string> kept = {"./", styleName, startName, loaderName, programName, "abaquino.svg", "abaquino-192.png",
                                           "abaquino.webmanifest"};
    // The icons were copied beside the page as they are; the version follows them too.
    const std::string version = Fingerprint(page + style + manifest + Read(folder + "/abaquino.svg") +
                                            Read(folder + "/abaquino-192.png"));
    Write(folder + "/sw.js", ServiceWorker(Read(worker), version, kept));
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 6 && args[0] == "--ship") {
            WriteShippedPage(args[1], args[2], args[3], args[4], args[5]);
        } else if (args.size() == 4) {
            WriteTestPage(args[0], args[1], args[2], args[3]);
        } else {
            std::cerr << "usage: generate_page FOLDER PAGE SCRIPT BASE_CSS\n"
                         "       generate_page --ship PROGRAM_DIR FOLDER BASE_CSS WORKER START\n";
            return 2;
        }
    } catch (const std::exception& failure) {
        std::cerr << "generate_page: " << failure.what() << '\n';
        return 1;
    }
}
