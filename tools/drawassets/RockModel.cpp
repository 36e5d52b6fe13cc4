#include "tools/drawassets/RockModel.h"

#include "tools/drawassets/Prng.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <utility>

namespace skyvane::drawassets {

namespace {

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 normalised(Vec3 a) { return a * (1.0 / std::sqrt(dot(a, a))); }

// Rotation about a unit axis (Rodrigues).
Vec3 rotated(Vec3 v, Vec3 axis, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return v * c + cross(axis, v) * s + axis * (dot(axis, v) * (1.0 - c));
}

} // namespace

// Smooth value noise on a lattice filled from the seeded generator.
class LatticeNoise {
public:
    explicit LatticeNoise(Prng& random)
    {
        for (double& value : values)
            value = random.between(-1.0, 1.0);
    }

    double at(Vec3 p) const
    {
        const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
        auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
        const double tx = smooth(p.x - fx), ty = smooth(p.y - fy), tz = smooth(p.z - fz);
        auto corner = [this](int x, int y, int z) {
            const auto index = static_cast<unsigned>((x * 73856093) ^ (y * 19349663) ^ (z * 83492791)) % kSize;
            return values[index];
        };
        auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
        const double x00 = lerp(corner(ix, iy, iz), corner(ix + 1, iy, iz), tx);
        const double x10 = lerp(corner(ix, iy + 1, iz), corner(ix + 1, iy + 1, iz), tx);
        const double x01 = lerp(corner(ix, iy, iz + 1), corner(ix + 1, iy, iz + 1), tx);
        const double x11 = lerp(corner(ix, iy + 1, iz + 1), corner(ix + 1, iy + 1, iz + 1), tx);
        return lerp(lerp(x00, x10, ty), lerp(x01, x11, ty), tz);
    }

private:
    static constexpr unsigned kSize = 1024;
    std::array<double, kSize> values{};
};

namespace {

constexpr int kCuts = 5;

// Light from the upper left, in front of the rock (x right, y down, z towards the viewer).
const Vec3 kLight = normalised({-0.62, -0.62, 0.48});
// The rock tumbles about this axis, one revolution over the ten frames.
const Vec3 kTumbleAxis = normalised({0.35, 1.0, 0.45});

} // namespace

RockModel::RockModel(std::uint64_t seed)
{
    // An icosahedron, each face split into four twice, then pushed in and out by noise.
    const double t = (1.0 + std::sqrt(5.0)) / 2.0;
    vertices = {{-1, t, 0}, {1, t, 0},  {-1, -t, 0}, {1, -t, 0}, {0, -1, t},  {0, 1, t},
                {0, -1, -t}, {0, 1, -t}, {t, 0, -1},  {t, 0, 1},  {-t, 0, -1}, {-t, 0, 1}};
    for (Vec3& v : vertices)
        v = normalised(v);
    faces = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
             {11, 10, 2}, {10, 7, 6}, {7, 1, 8},   {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
             {3, 8, 9},  {4, 9, 5},  {2, 4, 11},  {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    for (int round = 0; round < 2; ++round) {
        std::map<std::pair<int, int>, int> midpoints;
        auto midpoint = [&](int a, int b) {
            const auto key = std::minmax(a, b);
            auto found = midpoints.find(key);
            if (found != midpoints.end())
                return found->second;
            vertices.push_back(normalised(vertices[static_cast<std::size_t>(a)] + vertices[static_cast<std::size_t>(b)]));
            const int index = static_cast<int>(vertices.size()) - 1;
            midpoints.emplace(key, index);
            return index;
        };
        std::vector<std::array<int, 3>> split;
        for (const auto& f : faces) {
            const int ab = midpoint(f[0], f[1]), bc = midpoint(f[1], f[2]), ca = midpoint(f[2], f[0]);
            split.push_back({f[0], ab, ca});
            split.push_back({f[1], bc, ab});
            split.push_back({f[2], ca, bc});
            split.push_back({ab, bc, ca});
        }
        faces = std::move(split);
    }

    Prng random(seed);
    const LatticeNoise noise(random);
    for (Vec3& v : vertices) {
        const double lumps = 0.14 * noise.at(v * 1.3 + Vec3{3.1, 7.7, 1.3}) + 0.05 * noise.at(v * 3.4);
        const double chips = random.between(-0.03, 0.03);
        const Vec3 stretched{v.x * 1.02, v.y, v.z * 0.98};
        v = stretched * (1.0 + lumps + chips);
    }
    // Broken-off sides: flat cuts across the rock.
    for (int cut = 0; cut < kCuts; ++cut) {
        const Vec3 normal = normalised({random.between(-1, 1), random.between(-1, 1), random.between(-1, 1)});
        const double distance = random.between(0.86, 0.94);
        for (Vec3& v : vertices) {
            const double beyond = dot(v, normal) - distance;
            if (beyond > 0.0)
                v = v - normal * (beyond * 0.85);
        }
    }
    for (std::size_t i = 0; i < faces.size(); ++i)
        faceTone.push_back(random.between(-0.06, 0.06));
    grain = std::make_unique<LatticeNoise>(random);
}

RockModel::~RockModel() = default;

std::vector<int> RockModel::view(double turn, int size, double scale, int levels) const
{
    // Four by four samples per pixel; a pixel is rock when at least half its samples are.
    constexpr int kSamples = 4;
    const int grid = size * kSamples;
    const double angle = 2.0 * std::numbers::pi * turn;

    std::vector<Vec3> placed;
    placed.reserve(vertices.size());
    for (const Vec3& v : vertices)
        placed.push_back(rotated(v, kTumbleAxis, angle) * scale);

    std::vector<double> depth(static_cast<std::size_t>(grid * grid), -std::numeric_limits<double>::infinity());
    std::vector<double> shade(depth.size(), 0.0);
    const double centre = size / 2.0;
    for (std::size_t f = 0; f < faces.size(); ++f) {
        const Vec3 a = placed[static_cast<std::size_t>(faces[f][0])];
        const Vec3 b = placed[static_cast<std::size_t>(faces[f][1])];
        const Vec3 c = placed[static_cast<std::size_t>(faces[f][2])];
        Vec3 normal = normalised(cross(b - a, c - a));
        if (dot(normal, a + b + c) < 0.0)
            normal = normal * -1.0;
        if (normal.z <= 0.0)
            continue;  // facing away
        const double lit = std::max(0.0, dot(normal, kLight));
        const double tone = std::clamp(0.10 + 0.78 * lit * lit + 0.16 * lit + faceTone[f], 0.0, 1.0);

        // Rasterise in sample space; screen y grows downwards like the model's y.
        auto toGrid = [&](Vec3 p) { return Vec3{(p.x + centre) * kSamples, (p.y + centre) * kSamples, p.z}; };
        const Vec3 ga = toGrid(a), gb = toGrid(b), gc = toGrid(c);
        const double area = (gb.x - ga.x) * (gc.y - ga.y) - (gb.y - ga.y) * (gc.x - ga.x);
        if (std::abs(area) < 1e-9)
            continue;
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min({ga.x, gb.x, gc.x}))));
        const int x1 = std::min(grid - 1, static_cast<int>(std::ceil(std::max({ga.x, gb.x, gc.x}))));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min({ga.y, gb.y, gc.y}))));
        const int y1 = std::min(grid - 1, static_cast<int>(std::ceil(std::max({ga.y, gb.y, gc.y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double w0 = ((gb.x - px) * (gc.y - py) - (gb.y - py) * (gc.x - px)) / area;
                const double w1 = ((gc.x - px) * (ga.y - py) - (gc.y - py) * (ga.x - px)) / area;
                const double w2 = 1.0 - w0 - w1;
                if (w0 < 0.0 || w1 < 0.0 || w2 < 0.0)
                    continue;
                const double z = w0 * ga.z + w1 * gb.z + w2 * gc.z;
                const auto index = static_cast<std::size_t>(y * grid + x);
                if (z > depth[index]) {
                    // Grain of the stone, fixed to the rock so that it turns with it.
                    const Vec3 onScreen{px / kSamples - centre, py / kSamples - centre, z};
                    const Vec3 onRock = rotated(onScreen * (1.0 / scale), kTumbleAxis, -angle);
                    const double roughness = 0.07 * grain->at(onRock * 9.0) + 0.04 * grain->at(onRock * 23.0);
                    depth[index] = z;
                    shade[index] = std::clamp(tone + roughness * (0.4 + lit), 0.0, 1.0);
                }
            }
        }
    }

    std::vector<int> pixels(static_cast<std::size_t>(size * size), 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int hits = 0;
            double sum = 0.0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const auto index = static_cast<std::size_t>((y * kSamples + sy) * grid + x * kSamples + sx);
                    if (std::isfinite(depth[index])) {
                        ++hits;
                        sum += shade[index];
                    }
                }
            }
            if (2 * hits >= kSamples * kSamples) {
                const double level = std::round(sum / hits * (levels - 1));
                pixels[static_cast<std::size_t>(y * size + x)] = 1 + std::clamp(static_cast<int>(level), 0, levels - 1);
            }
        }
    }
    return pixels;
}

} // namespace skyvane::drawassets
