#pragma once
// The window system's close requests for the main window. Qt drops a close request for a
// window that a modal box blocks, yet every one must end this program: where the request
// can be seen before Qt's own handling, the window is closed directly.

#include <memory>

class QWidget;

namespace skyvane {

class CloseRequests {
public:
    explicit CloseRequests(QWidget& window);
    ~CloseRequests();
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

private:
    class Watch;
    std::unique_ptr<Watch> watch_;
};

} // namespace skyvane
