#include "ui/designed_label.h"

#include "designs/legibility.h"
#include "ui/control_table.h"

#include <QPainter>

namespace abaquino::ui {

namespace {

Rgb RgbOf(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

}  // namespace

DesignedLabel::DesignedLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// Judged at every paint, against the face as it is now: a theme or palette change is met too.
void DesignedLabel::paintEvent(QPaintEvent* event)
{
    const QColor text = palette().color(foregroundRole());
    const auto outline = designs::OutlineFor(RgbOf(text), RgbOf(palette().color(backgroundRole())));
    if (!outline || this->text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setPen(MakeColour(*outline));
    for (const designs::Offset offset : designs::kOutlineOffsets) {
        painter.drawText(contentsRect().translated(offset.x, offset.y), flags, this->text());
    }
    painter.setPen(text);
    painter.drawText(contentsRect(), flags, this->text());
}

}  // namespace abaquino::ui
