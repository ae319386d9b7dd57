#include "ui/control_table.h"

#include "ui/designed_label.h"
#include "ui/entry_display.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace abaquino::ui {

namespace {

// The designed family where it is installed, else the first of its metric-compatible free
// stand-ins that is. Named directly, the font is found at once: a family that is missing sends
// Qt to ask fontconfig for its fallbacks, which cost as much as loading the font itself.
QString InstalledFamily(std::string_view designed, const QStringList& installed)
{
    const QString family = FromUtf8(designed);
    const designs::FontStandIns* standIns = designs::StandInsFor(designed);
    if (installed.contains(family, Qt::CaseInsensitive) || !standIns) return family;
    for (const std::string_view standIn : standIns->sameMetrics) {
        if (installed.contains(FromUtf8(standIn), Qt::CaseInsensitive)) return FromUtf8(standIn);
    }
    if (installed.contains(FromUtf8(standIns->lastResort), Qt::CaseInsensitive)) return FromUtf8(standIns->lastResort);
    return family;
}

// `installed`: QFontDatabase::families(), asked once per window. Not hasFamily(), which for a
// missing family asks fontconfig for an alias, at a high price.
QFont MakeFont(const FontDesign& design, const QStringList& installed)
{
    QFont font(InstalledFamily(design.family, installed));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    // Every text of the designs is in the designed font (Latin letters, digits, signs), so no
    // fallback fonts need to be looked for; that search was a tenth of the start-up.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QLabel* MakeLabel(const QString& caption, QWidget* parent) { return new DesignedLabel(caption, parent); }

QWidget* Create(const ControlDesign& design, QWidget* parent)
{
    const QString caption = FromUtf8(design.caption);
    switch (design.kind) {
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, parent);
        box->setReadOnly(true);
        return box;
    }
    case ControlKind::EntryBox: return new EntryDisplay(parent);
    case ControlKind::OptionButton: return new QRadioButton(parent);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Label: return MakeLabel(caption, parent);
    case ControlKind::Picture: {
        QLabel* picture = MakeLabel({}, parent);
        picture->setPixmap(parent->windowIcon().pixmap(32, 32));
        return picture;
    }
    }
    return nullptr;
}

void Apply(const ControlDesign& design, QWidget* widget, const QStringList& installedFamilies)
{
    widget->setObjectName(ObjectName(design));
    widget->setGeometry(PixelRect(design.left, design.top, design.width, design.height));
    if (design.font) widget->setFont(MakeFont(*design.font, installedFamilies));
    if (design.textColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, MakeColour(*design.textColour));
        widget->setPalette(palette);
    }
    if (!design.toolTip.empty()) widget->setToolTip(FromUtf8(design.toolTip));
    if (!design.accessibleName.empty()) widget->setAccessibleName(FromUtf8(designs::SpokenName(design)));
    if (!design.accessibleDescription.empty()) {
        widget->setAccessibleDescription(FromUtf8(design.accessibleDescription));
    }
    if (designs::TakesFocus(design) && !designs::TakesTab(design)) widget->setFocusPolicy(Qt::ClickFocus);
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && (design.settings & kRightAligned)) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (design.settings & kWordWrap) label->setWordWrap(true);
        if (design.settings & kSizedToText) label->resize(label->sizeHint());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget); button && (design.settings & kDefaultButton)) {
        button->setDefault(true);
    }
}

}  // namespace

QRect PixelRect(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QFont MakeFont(const FontDesign& design) { return MakeFont(design, QFontDatabase::families()); }

QColor MakeColour(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ObjectName(std::string_view name, int index)
{
    return index == kNotInArray ? FromUtf8(name) : QStringLiteral("%1(%2)").arg(FromUtf8(name)).arg(index);
}

QString ObjectName(const ControlDesign& design) { return ObjectName(design.name, design.index); }

BuiltControls BuildControls(std::span<const ControlDesign> table, QWidget* parent)
{
    const QStringList installedFamilies = QFontDatabase::families();
    std::vector<QWidget*> controls;
    controls.reserve(table.size());
    for (const ControlDesign& design : table) {
        QWidget* widget = Create(design, parent);
        Apply(design, widget, installedFamilies);
        if (!controls.empty()) QWidget::setTabOrder(controls.back(), widget);
        controls.push_back(widget);
    }
    return BuiltControls(std::move(controls));
}

}  // namespace abaquino::ui
