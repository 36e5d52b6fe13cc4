#pragma once
// The game's view of Image1 and Label1. Changes asked for during a frame are recorded and
// applied to the widgets when events are pumped, so composing a frame never touches Qt.

#include "game/World.h"

#include <QLabel>
#include <QString>

#include <array>

namespace skyvane {

class ImageControl;

class FormControls : public Controls {
public:
    FormControls(ImageControl& image1, QLabel& label1);

    void showImage1() override { image1Visible_ = true; }
    void hideImage1() override { image1Visible_ = false; }
    void showLabel1() override { label1Visible_ = true; }
    void hideLabel1() override { label1Visible_ = false; }
    void setLabel1Caption(std::string_view caption) override;

    // Brings the widgets in line with what the game asked for.
    void apply();

private:
    ImageControl& image1_;
    QLabel& label1_;
    bool image1Visible_ = true;
    bool label1Visible_ = false;
    std::array<char, 64> caption_{};  // the game's captions are short; longer ones are cut
    std::size_t captionLength_ = 0;
    bool captionChanged_ = false;
};

} // namespace skyvane
