#pragma once

namespace abaquino::ui {

// While it lives, a window system that cannot be started is said in one line that names the
// platform that failed, and the program ends with an ordinary failure instead of Qt's abort and
// its advice about reinstalling. Qt's own lines about the platform are held back meanwhile; every
// other message passes through unchanged. Made before the QApplication, ended once it stands.
class StartupFailureReport {
public:
    StartupFailureReport(int argc, char* argv[]);
    ~StartupFailureReport();
    StartupFailureReport(const StartupFailureReport&) = delete;
    StartupFailureReport& operator=(const StartupFailureReport&) = delete;
};

}  // namespace abaquino::ui
