#include "framegeometry.h"

#include <cmath>

namespace tool {

namespace {

constexpr double pi = 3.14159265358979323846;

double radians(double degrees)
{
    return degrees * pi / 180.0;
}

}  // namespace

Rotation rotationOf(const Frame& f)
{
    const double ca = std::cos(radians(f[3])), sa = std::sin(radians(f[3]));
    const double cb = std::cos(radians(f[4])), sb = std::sin(radians(f[4]));
    const double cc = std::cos(radians(f[5])), sc = std::sin(radians(f[5]));
    return {{{ca * cb, ca * sb * sc - sa * cc, ca * sb * cc + sa * sc},
             {sa * cb, sa * sb * sc + ca * cc, sa * sb * cc - ca * sc},
             {-sb, cb * sc, cb * cc}}};
}

Vector axisOf(const Frame& frame, int axis)
{
    const Rotation r = rotationOf(frame);
    const auto k = std::size_t(axis);
    return {r[0][k], r[1][k], r[2][k]};
}

double distanceBetween(const Frame& p, const Frame& q)
{
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

double angleBetween(const Frame& p, const Frame& q)
{
    // R = P^T Q turns by the angle whose cosine is (trace - 1) / 2 and whose
    // sine is half the length of R's skew part; atan2 keeps small turns exact.
    const Rotation rp = rotationOf(p);
    const Rotation rq = rotationOf(q);
    Rotation r{};
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            for (std::size_t k = 0; k < 3; ++k)
                r[i][j] += rp[k][i] * rq[k][j];
        }
    }
    const double skew = std::hypot(r[2][1] - r[1][2], r[0][2] - r[2][0], r[1][0] - r[0][1]);
    return std::atan2(skew, r[0][0] + r[1][1] + r[2][2] - 1.0) * 180.0 / pi;
}

}  // namespace tool
