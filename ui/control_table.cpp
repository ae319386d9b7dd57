#include "control_table.h"

#include "entry_display.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace abaquino::ui {

namespace {

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QWidget* Create(const ControlDesign& design, QWidget* parent)
{
    const QString caption = Text(design.caption);
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
    case ControlKind::Label: return new QLabel(caption, parent);
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(parent->windowIcon().pixmap(32, 32));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFocusPolicy(Qt::StrongFocus);
        return picture;
    }
    }
    return nullptr;
}

void Apply(const ControlDesign& design, QWidget* widget)
{
    widget->setObjectName(ObjectName(design));
    if (design.index != kNotInArray) widget->setProperty("index", design.index);
    widget->setGeometry(PixelRect(design.left, design.top, design.width, design.height));
    if (design.font) widget->setFont(MakeFont(*design.font));
    if (design.textColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText,
                         QColor(design.textColour->red, design.textColour->green, design.textColour->blue));
        widget->setPalette(palette);
    }
    if (!design.toolTip.empty()) widget->setToolTip(Text(design.toolTip));
    if (!design.accessibleName.empty()) widget->setAccessibleName(Text(design.accessibleName));
    if (!design.accessibleDescription.empty()) {
        widget->setAccessibleDescription(Text(design.accessibleDescription));
    }
    if (design.settings & kClickFocusOnly) widget->setFocusPolicy(Qt::ClickFocus);
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && (design.settings & kRightAligned)) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (design.settings & kWordWrap) label->setWordWrap(true);
        label->setAlignment(label->alignment() | Qt::AlignTop);
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

QFont MakeFont(const FontDesign& design)
{
    QFont font(Text(design.family));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

QString ObjectName(const ControlDesign& design)
{
    const QString name = Text(design.name);
    return design.index == kNotInArray ? name : QStringLiteral("%1(%2)").arg(name).arg(design.index);
}

std::vector<QWidget*> BuildControls(std::span<const ControlDesign> table, QWidget* parent)
{
    std::vector<QWidget*> controls;
    controls.reserve(table.size());
    for (const ControlDesign& design : table) {
        QWidget* widget = Create(design, parent);
        Apply(design, widget);
        if (!controls.empty()) QWidget::setTabOrder(controls.back(), widget);
        controls.push_back(widget);
    }
    return controls;
}

}  // namespace abaquino::ui
