// Writes the page into a folder when the page is built: index.html, or a test program's page,
// and abaquino.css, the hand-written look followed by the designed places, fonts and colours.
//   generate_page FOLDER PAGE SCRIPT BASE_CSS

#include "web/page_markup.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: generate_page FOLDER PAGE SCRIPT BASE_CSS\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::ifstream baseCss(argv[4]);
    std::ostringstream css;
    css << baseCss.rdbuf();
    std::ofstream page(folder + "/" + argv[2]);
    page << abaquino::web::PageHtml(argv[3]);
    std::ofstream style(folder + "/abaquino.css");
    style << css.str() << abaquino::web::PageCss();
    return baseCss && page && style ? 0 : 1;
}
