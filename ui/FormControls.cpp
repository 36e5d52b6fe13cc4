#include "FormControls.h"

#include "ImageControl.h"

namespace skyvane {

FormControls::FormControls(ImageControl& image1, QLabel& label1) : image1_(image1), label1_(label1) {}

void FormControls::setLabel1Caption(std::string_view caption)
{
    captionLength_ = caption.copy(caption_.data(), caption_.size());
    captionChanged_ = true;
}

void FormControls::apply()
{
    if (captionChanged_) {
        label1_.setText(QString::fromUtf8(caption_.data(), static_cast<qsizetype>(captionLength_)));
        captionChanged_ = false;
    }
    if (label1_.isVisibleTo(label1_.parentWidget()) != label1Visible_)
        label1_.setVisible(label1Visible_);
    if (image1_.isVisibleTo(image1_.parentWidget()) != image1Visible_)
        image1_.setVisible(image1Visible_);
}

} // namespace skyvane
