#pragma once
// A faceted boulder: one closed mesh, turned, lit by one light and projected per view.

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace skyvane::drawassets {

struct Vec3 {
    double x, y, z;
};

class LatticeNoise;

class RockModel {
public:
    // The same seed always gives the same rock.
    explicit RockModel(std::uint64_t seed);
    ~RockModel();

    // Shade of every pixel of a `size` x `size` view after turning the rock by `turn` of a full
    // revolution: 0 is ground, otherwise 1 + brightness level in [0, levels). `scale` is the
    // radius of the undisturbed rock in pixels.
    std::vector<int> view(double turn, int size, double scale, int levels) const;

private:
    std::vector<Vec3> vertices;
    std::vector<std::array<int, 3>> faces;
    std::vector<double> faceTone;         // per-facet variation of the stone
    std::unique_ptr<LatticeNoise> grain;  // fine grain of the surface
};

} // namespace skyvane::drawassets
