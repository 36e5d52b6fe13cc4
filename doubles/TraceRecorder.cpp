#include "TraceRecorder.h"

#include <cstdio>

namespace skyvane::doubles {

void TraceRecorder::line(std::string_view text)
{
    if (enabled)
        out_ << text << '\n';
}

void TraceRecorder::ClearPlayArea() { line("ClearPlayArea"); }

void TraceRecorder::PlotPoint(std::int16_t x, std::int16_t y, std::uint32_t colour)
{
    if (!enabled)
        return;
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(colour & 0xFFFFFFu));
    out_ << "PlotPoint " << x << ' ' << y << ' ' << hex << '\n';
}

void TraceRecorder::BlitMeteor(std::int16_t centreX, std::int16_t centreY, std::int16_t size, std::int16_t frameX)
{
    if (enabled)
        out_ << "BlitMeteor " << centreX << ' ' << centreY << ' ' << size << ' ' << frameX << '\n';
}

void TraceRecorder::BlitRocket(std::int16_t x, std::int16_t y, std::int16_t sourceX, std::int16_t sourceY)
{
    if (enabled)
        out_ << "BlitRocket " << x << ' ' << y << ' ' << sourceX << ' ' << sourceY << '\n';
}

void TraceRecorder::PaintFinalePicture(std::int16_t x, std::int16_t y)
{
    if (enabled)
        out_ << "PaintFinalePicture " << x << ' ' << y << '\n';
}

void TraceRecorder::ClearSurface() { line("ClearSurface"); }
void TraceRecorder::showImage1() { line("Image1 show"); }
void TraceRecorder::hideImage1() { line("Image1 hide"); }
void TraceRecorder::showLabel1() { line("Label1 show"); }
void TraceRecorder::hideLabel1() { line("Label1 hide"); }

void TraceRecorder::setLabel1Caption(std::string_view caption)
{
    if (enabled)
        out_ << "Label1 caption " << caption << '\n';
}

} // namespace skyvane::doubles
