#pragma once

// A designer's label: opaque on its window's colour, and, where its designed colour is too light
// (or too dark) for the face it is painted on, its letters ringed by the designs' outline.

#include <QLabel>

namespace abaquino::ui {

class DesignedLabel : public QLabel {
public:
    DesignedLabel(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace abaquino::ui
