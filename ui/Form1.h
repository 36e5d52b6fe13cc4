#pragma once
// Placeholder window until the real one lands: Ctrl+S runs GameMain.

#include <QMainWindow>
#include <memory>

namespace skyvane {

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace skyvane
