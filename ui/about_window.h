#pragma once

#include "ui/loaded_windows.h"

#include <QDialog>

#include <cstdint>

class QPushButton;

namespace abaquino::ui {

// The About window: title, version, credits, date and the terms of distribution. Built afresh
// each time it is shown; every way of closing it is an unloading that runs Form_Unload.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    static constexpr double kDialogPoints = 9;

    frmAbout(QWidget* owner, LoadedWindows& windows);
    ~frmAbout() override;

    void cmdOK_Click();
    void Form_Unload(std::int16_t& Cancel);

    QPushButton* cmdOK = nullptr;

signals:
    // The window has unloaded (once per showing).
    void unloaded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;  // Esc presses OK, the cancel button

private:
    static bool OnWayland();
    void TakeDesignedSize();
    void DescribeForScreenReaders();

    LoadedWindows& windows_;
    bool undoingMaximise_ = false;
};

}  // namespace abaquino::ui
