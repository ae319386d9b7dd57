#pragma once

// Qt controls built from the window designs.

#include "designs/control_design.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdlib>
#include <span>
#include <vector>

namespace abaquino::ui {

using namespace abaquino::designs;

QRect PixelRect(int left, int top, int width, int height);
QFont MakeFont(const FontDesign& design);
QColor MakeColour(const Rgb& colour);
QString FromUtf8(std::string_view text);

// "cmdNumber(7)" for an element of an array, the plain name otherwise.
QString ObjectName(std::string_view name, int index);
QString ObjectName(const ControlDesign& design);

// The controls made from a table, by their place in it.
class BuiltControls {
public:
    explicit BuiltControls(std::vector<QWidget*> widgets) : widgets_(std::move(widgets)) {}

    // The control at a place (see PlaceOf), as the widget its kind makes. A wrong type is a
    // programming error that stops the program, in release builds too.
    template <typename Widget>
    Widget* At(std::size_t place) const
    {
        auto* widget = place < widgets_.size() ? qobject_cast<Widget*>(widgets_[place]) : nullptr;
        if (!widget) std::abort();
        return widget;
    }

    const std::vector<QWidget*>& All() const { return widgets_; }

private:
    std::vector<QWidget*> widgets_;
};

// Creates the controls on the parent in table order, which is also their tab order.
BuiltControls BuildControls(std::span<const ControlDesign> table, QWidget* parent);

}  // namespace abaquino::ui
