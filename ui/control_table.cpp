#include "control_table.h"

#include "entry_display.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace abaquino::ui {

namespace {

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QWidget* Create(const ControlSpec& spec, QWidget* parent)
{
    const QString caption = Text(spec.caption);
    switch (spec.kind) {
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

void Apply(const ControlSpec& spec, QWidget* widget)
{
    widget->setObjectName(ObjectName(spec));
    if (spec.index != kNotInArray) widget->setProperty("index", spec.index);
    widget->setGeometry(PixelRect(spec.left, spec.top, spec.width, spec.height));
    if (spec.font) widget->setFont(MakeFont(*spec.font));
    if (spec.textColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText,
                         QColor(spec.textColour->red, spec.textColour->green, spec.textColour->blue));
        widget->setPalette(palette);
    }
    if (!spec.toolTip.empty()) widget->setToolTip(Text(spec.toolTip));
    if (!spec.accessibleName.empty()) widget->setAccessibleName(Text(spec.accessibleName));
    if (!spec.accessibleDescription.empty()) {
        widget->setAccessibleDescription(Text(spec.accessibleDescription));
    }
    if (spec.settings & kClickFocusOnly) widget->setFocusPolicy(Qt::ClickFocus);
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && (spec.settings & kRightAligned)) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (spec.settings & kWordWrap) label->setWordWrap(true);
        label->setAlignment(label->alignment() | Qt::AlignTop);
        if (spec.settings & kSizedToText) label->resize(label->sizeHint());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget); button && (spec.settings & kDefaultButton)) {
        button->setDefault(true);
    }
}

}  // namespace

QRect PixelRect(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QFont MakeFont(const FontSpec& spec)
{
    QFont font(Text(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

QString ObjectName(const ControlSpec& spec)
{
    const QString name = Text(spec.name);
    return spec.index == kNotInArray ? name : QStringLiteral("%1(%2)").arg(name).arg(spec.index);
}

std::vector<QWidget*> BuildControls(std::span<const ControlSpec> table, QWidget* parent)
{
    std::vector<QWidget*> controls;
    controls.reserve(table.size());
    for (const ControlSpec& spec : table) {
        QWidget* widget = Create(spec, parent);
        Apply(spec, widget);
        if (!controls.empty()) QWidget::setTabOrder(controls.back(), widget);
        controls.push_back(widget);
    }
    return controls;
}

}  // namespace abaquino::ui
