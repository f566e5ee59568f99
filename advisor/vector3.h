// The little vector arithmetic the assessment needs: plain, so that it stays
// light also in unoptimized builds, where the assessment runs thousands of
// times in the tests.
#pragma once

#include <cmath>

namespace PositionerAdvisor {

struct Vector3
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    double& operator[](int k) { return k == 0 ? x : k == 1 ? y : z; }
    double operator[](int k) const { return k == 0 ? x : k == 1 ? y : z; }
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator-(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector3 operator-(const Vector3& a) { return {-a.x, -a.y, -a.z}; }
inline Vector3 operator*(double s, const Vector3& a) { return {s * a.x, s * a.y, s * a.z}; }
inline double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector3 cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double squaredNorm(const Vector3& a) { return dot(a, a); }
inline double norm(const Vector3& a) { return std::sqrt(dot(a, a)); }
inline Vector3 normalized(const Vector3& a) { return (1.0 / norm(a)) * a; }

// Three directions as the columns of a rotation.
struct Axes
{
    Vector3 column[3];
};

}  // namespace PositionerAdvisor
