#include "web/page_markup.h"

#include "behaviour/failure_balloon.h"
#include "designs/about_design.h"
#include "designs/form1_design.h"
#include "designs/legibility.h"
#include "web/phone_layout.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace abaquino::web {

using namespace designs;

namespace {

constexpr std::string_view kAboutPrefix = "frmAbout-";

std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string Attribute(std::string_view name, std::string_view value)
{
    return value.empty() ? "" : " " + std::string(name) + "=\"" + Escaped(value) + '"';
}

std::string Px(int twips) { return std::to_string(Pixels(twips)) + "px"; }

// The designed family first, then the metric-compatible free fonts the desktop programs use.
std::string FontCss(const FontDesign& font)
{
    std::string standIns;
    if (const FontStandIns* found = StandInsFor(font.family)) {
        for (const std::string_view family : found->sameMetrics) standIns += "\"" + std::string(family) + "\", ";
        standIns += found->generic;
    }
    std::string points = std::to_string(font.points);
    points.erase(points.find_last_not_of('0') + 1);
    if (points.back() == '.') points.pop_back();
    return std::string(font.italic ? "italic " : "") + (font.bold ? "bold " : "normal ") + points + "pt \"" +
           std::string(font.family) + "\"" + (standIns.empty() ? "" : ", " + standIns);
}

// The About window's ids begin with its name, as its Label1 is not the main window's.
// The dialog face of page.css, which the About window's labels stand on.
constexpr Rgb kDialogFace{240, 240, 240};

std::string ControlCss(const ControlDesign& control, std::string_view prefix, const Rgb& background)
{
    std::string css = Selector(std::string(prefix) + ElementId(control.name, control.index)) + "{left:" + Px(control.left) +
                      ";top:" + Px(control.top);
    if (!(control.settings & kSizedToText)) css += ";width:" + Px(control.width) + ";height:" + Px(control.height);
    if (control.font) css += ";font:" + FontCss(*control.font);
    if (control.textColour) css += ";color:" + CssColour(*control.textColour);
    if (const auto outline = control.textColour ? OutlineFor(*control.textColour, background) : std::nullopt) {
        std::string shadows;
        for (const Offset offset : kOutlineOffsets) {
            shadows += (shadows.empty() ? "" : ",") + std::to_string(offset.x) + "px " + std::to_string(offset.y) + "px " +
                       CssColour(*outline);
        }
        css += ";text-shadow:" + shadows;
    }
    return css + "}\n";
}

std::string Accessible(const ControlDesign& control, const std::string& id)
{
    return Attribute("aria-label", SpokenName(control)) +
           (control.accessibleDescription.empty() ? "" : Attribute("aria-describedby", id + "-description")) +
           Attribute("title", control.toolTip);
}

// The main window's control that a label names, or nothing.
std::string_view NamedBy(std::string_view label)
{
    const auto found = std::find_if(kForm1OptionLabels.begin(), kForm1OptionLabels.end(),
                                    [&](const LabelFor& pair) { return pair.label == label; });
    return found == kForm1OptionLabels.end() ? std::string_view{} : found->control;
}

// `starts`: the control has the focus when its window opens.
std::string ControlHtml(const ControlDesign& control, std::size_t place, std::string_view prefix, bool starts)
{
    const std::string id = std::string(prefix) + ElementId(control.name, control.index);
    const std::string common = Attribute("id", id) + " data-place=\"" + std::to_string(place) + '"' + Accessible(control, id);
    const std::string caption = Escaped(control.caption);
    switch (control.kind) {
    case ControlKind::TextBox:
    case ControlKind::EntryBox: {
        const bool tabStop = TakesTab(control);
        // The entry has the focus from the document's start, not from whenever the program runs:
        // a focus that comes after the page has loaded finds Orca reading the page from its top in
        // browse mode, where the keys are its own.
        const bool entry = control.kind == ControlKind::EntryBox;
        return "<input type=\"text\" readonly autocomplete=\"off\" spellcheck=\"false\"" + common +
               (tabStop ? "" : " tabindex=\"-1\"") + (entry ? " class=\"entry\"" : "") + (starts ? " autofocus" : "") +
               " value=\"\">\n";
    }
    case ControlKind::OptionButton: return "<input type=\"radio\" name=\"currency\"" + common + ">\n";
    case ControlKind::PushButton:
        return "<button type=\"button\"" + common + (starts ? " autofocus" : "") + '>' +
               caption + "</button>\n";
    case ControlKind::Label: {
        // A label that names a control is the page's own label of it: a click on it chooses it.
        const std::string_view named = prefix.empty() ? NamedBy(control.name) : std::string_view{};
        const std::string tag = named.empty() ? "div" : "label";
        return '<' + tag + " class=\"label" + std::string((control.settings & kWordWrap) ? " wrap" : "") + '"' +
               Attribute("for", named) + common + '>' + caption + "</" + tag + ">\n";
    }
    case ControlKind::Picture:
        return "<img src=\"abaquino.svg\" width=\"32\" height=\"32\"" + Attribute("id", id) +
               Attribute("alt", control.accessibleName) + ">\n";
    }
    return {};
}

std::string Descriptions(std::span<const ControlDesign> table)
{
    std::string html;
    for (const ControlDesign& control : table) {
        if (control.accessibleDescription.empty()) continue;
        html += "<span id=\"" + Escaped(ElementId(control.name, control.index)) + "-description\">" +
                Escaped(control.accessibleDescription) + "</span>\n";
    }
    return html;
}

std::string ControlsHtml(std::span<const ControlDesign> table, std::string_view prefix = {})
{
    std::string html;
    for (std::size_t place = 0; place < table.size(); ++place) {
        html += ControlHtml(table[place], place, prefix, place == StartFocus(table));
    }
    return html;
}

// The main window's controls in the order they are seen, so that a reader meets them as a sighted
// user does; Tab keeps the designed order. The options and their labels are one group, named by
// "Converti in:".
std::string Form1ControlsHtml()
{
    const auto inGroup = [](std::string_view name) {
        return std::any_of(kForm1OptionLabels.begin(), kForm1OptionLabels.end(),
                           [&](const LabelFor& pair) { return pair.label == name || pair.control == name; });
    };
    std::string html;
    bool grouping = false;
    for (const std::size_t place : ReadingOrder(kForm1Controls)) {
        const bool member = inGroup(kForm1Controls[place].name);
        if (member != grouping) {
            html += member ? "<div class=\"group\" role=\"radiogroup\"" + Attribute("aria-labelledby", kForm1OptionsLabel) + ">\n"
                           : std::string("</div>\n");
        }
        grouping = member;
        html += ControlHtml(kForm1Controls[place], place, {}, place == StartFocus(kForm1Controls));
    }
    return html + (grouping ? "</div>\n" : "");
}

// "&Esci": the caption with its access key underlined, and the key for assistive technology.
std::string MenuEntryHtml(const MenuEntryDesign& entry)
{
    const std::size_t mark = entry.caption.find('&');
    const std::string_view before = entry.caption.substr(0, mark);
    const char key = AccessKey(entry);
    const bool first = &entry == kForm1Menu.data();
    return "<button type=\"button\" role=\"menuitem\" tabindex=\"" + std::string(first ? "0" : "-1") + "\" id=\"" +
           Escaped(ElementId(entry.name, entry.index)) +
           "\" aria-keyshortcuts=\"Alt+" + key + "\">" + Escaped(before) + "<u>" + key + "</u>" +
           Escaped(entry.caption.substr(mark + 2)) + "</button>";
}

// The entry's menu, which the page draws itself: a phone offers no paste on an entry that cannot
// be edited, and a browser's own menu there has none either.
std::string EntryMenuHtml()
{
    std::string items;
    for (const MenuEntryDesign& item : kEntryMenu) {
        const std::size_t mark = item.caption.find('&');
        items += "<button type=\"button\" role=\"menuitem\" tabindex=\"-1\" id=\"entry-" + Escaped(item.name) + "\"" +
                 (GreyedWhileEmpty(item) ? " data-greyed-while-empty" : "") + ">" +
                 Escaped(item.caption.substr(0, mark)) + "<u>" + Escaped(item.caption.substr(mark + 1, 1)) + "</u>" +
                 Escaped(item.caption.substr(mark + 2)) + "</button>";
    }
    return "<div id=\"entry-menu\" role=\"menu\" aria-label=\"" + Escaped(kForm1Controls[PlaceOf(kForm1Controls, "txtDisplay")].accessibleName) +
           "\" hidden>" + items + "</div>\n";
}

std::string AboutHtml()
{
    std::string rule;
    for (std::size_t line = 0; line < kAboutRule.size(); ++line) rule += "<div class=\"rule\"></div>";
    std::string facts;
    for (const std::string_view fact : kAboutFacts) facts += (facts.empty() ? "" : " ") + std::string(kAboutPrefix) + std::string(fact);
    return "<dialog id=\"frmAbout\" tabindex=\"-1\" aria-labelledby=\"frmAbout-caption\" aria-describedby=\"" + facts + "\">\n"
           "<div class=\"caption\"><span id=\"frmAbout-caption\">" + Escaped(kAbout.caption) +
           "</span><button type=\"button\" id=\"frmAbout-close\" tabindex=\"-1\" aria-label=\"Chiudi\">\u00d7</button></div>\n"
           "<div class=\"client\" id=\"frmAbout-client\">\n" + rule + ControlsHtml(kAboutControls, kAboutPrefix) + "</div>\n</dialog>\n";
}

std::string WindowCss(std::string_view id, const WindowDesign& window)
{
    return std::string(id) + "{width:" + Px(window.clientWidth) + ";height:" + Px(window.clientHeight) + "}\n";
}

}  // namespace

std::string CssColour(const Rgb& colour)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex = "#";
    for (const int part : {colour.red, colour.green, colour.blue}) {
        hex += kDigits[part / 16];
        hex += kDigits[part % 16];
    }
    return hex;
}

std::string Selector(std::string_view id)
{
    std::string selector = "#";
    for (const char c : id) {
        if (c == '(' || c == ')') selector += '\\';
        selector += c;
    }
    return selector;
}

std::string ElementId(std::string_view name, int index)
{
    return index == kNotInArray ? std::string(name) : std::string(name) + '(' + std::to_string(index) + ')';
}

std::string PageHtml(const PageLinks& links)
{
    std::string menu;
    for (const MenuEntryDesign& entry : kForm1Menu) menu += MenuEntryHtml(entry);
    // Not for a browser to translate: its texts are the calculator's own, and a translated "Esci"
    // or "CE" would no longer be what the keys (Alt+E, the letters a user says) name. Chromium
    // offers to translate all the same unless told by its own meta tag.
    return "<!DOCTYPE html>\n<html lang=\"it\" translate=\"no\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"google\" content=\"notranslate\">\n"
           "<meta http-equiv=\"Content-Security-Policy\" content=\"" + Escaped(kPagePolicy) + "\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta name=\"theme-color\" content=\"" + CssColour(kForm1Background) + "\">\n"
           "<title>" + Escaped(kForm1.caption) + "</title>\n"
           "<link rel=\"icon\" href=\"abaquino.svg\">\n<link rel=\"stylesheet\" href=\"" + Escaped(links.style) + "\">\n" +
           (links.manifest.empty() ? "" : "<link rel=\"manifest\" href=\"" + Escaped(links.manifest) + "\">\n"
                                          "<link rel=\"apple-touch-icon\" href=\"apple-touch-icon.png\">\n") +
           (links.start.empty() ? "" : "<script src=\"" + Escaped(links.start) + "\" defer></script>\n") +
           "<script src=\"" + Escaped(links.script) + "\" defer></script>\n</head>\n<body>\n"
           // Said and shown only when the program cannot run (start.js), or scripts are off.
           "<p class=\"cannot-start\" id=\"cannot-start\" role=\"alert\" hidden></p>\n"
           "<noscript><p class=\"cannot-start\" role=\"alert\">" + Escaped(kNoScripts) + "</p></noscript>\n"
           "<main id=\"Form1\">\n<h1 class=\"unseen\" id=\"Form1-caption\">" + Escaped(kForm1.caption) + "</h1>\n"
           "<div role=\"menubar\" id=\"menu\" aria-label=\"Menu\">" + menu + "</div>\n"
           // An application to a screen reader: its keys reach the calculator, not the reader's
           // browse mode, which would take a digit for a heading level.
           // Busy until the program has taken it over (abaquino_ready).
           "<div class=\"client\" id=\"Form1-client\" role=\"application\" aria-labelledby=\"Form1-caption\" "
           "aria-busy=\"true\">\n" +
           Form1ControlsHtml() + "<div id=\"balloon\" aria-hidden=\"true\" hidden></div>\n" + EntryMenuHtml() + "</div>\n"
           "<div hidden>\n" + Descriptions(kForm1Controls) + "</div>\n" + AboutHtml() + "</main>\n"
           // Outside the window, so that it still speaks when "Esci" has taken the window away.
           "<div class=\"unseen\" id=\"announcer\" aria-live=\"polite\"></div>\n</body>\n</html>\n";
}

std::string PageCss()
{
    std::string css = "#Form1-client{font:" + FontCss(kForm1Font) + ";background:" + CssColour(kForm1Background) + "}\n" +
                      WindowCss("#Form1-client", kForm1) + WindowCss("#frmAbout-client", kAbout);
    for (const ControlDesign& control : kForm1Controls) css += ControlCss(control, {}, kForm1Background);
    // The failure's message hangs under the entry, from the middle of its lower edge.
    const ControlDesign& entry = kForm1Controls[PlaceOf(kForm1Controls, behaviour::kFailureBalloonUnder)];
    css += "#balloon{left:" + Px(entry.left + entry.width / 2) + ";top:" + Px(entry.top + entry.height) +
           ";max-width:" + Px(behaviour::kFailureBalloonMaxWidth) + "}\n";
    for (const ControlDesign& control : kAboutControls) css += ControlCss(control, kAboutPrefix, kDialogFace);
    for (std::size_t line = 0; line < kAboutRule.size(); ++line) {
        const LineDesign& rule = kAboutRule[line];
        css += ".rule:nth-child(" + std::to_string(line + 1) + "){left:" + Px(rule.x1) + ";top:" + Px(rule.y1) +
               ";width:" + Px(rule.x2 - rule.x1) + ";border-top:" + std::to_string(rule.pixelWidth) + "px solid " +
               CssColour(rule.colour) + "}\n";
    }
    css += PhoneCss();
    // The designed corner, moved in as far as a small viewport needs to show the whole window.
    css += "#frmAbout{left:max(0px,min(" + Px(kAboutLeft) + ",calc(100% - " + Px(kAbout.clientWidth) +
           " - 2px)));top:max(0px,min(" + Px(kAboutTop) + ",calc(100% - " + Px(kAbout.clientHeight) + " - 28px)))}\n";
    return css;
}

}  // namespace abaquino::web
