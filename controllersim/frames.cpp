#include "frames.h"

#include <cmath>

namespace cellsim {

namespace {

constexpr double degreesPerRadian = 180.0 / EIGEN_PI;

double radians(double degrees) { return degrees / degreesPerRadian; }
double degrees(double radians) { return radians * degreesPerRadian; }

// Points closer than this (millimetres) coincide; directions whose angle has
// a smaller sine are parallel.
constexpr double coincidentDistance = 1e-6;
constexpr double parallelSine = 1e-9;

bool spanPlane(const Eigen::Vector3d& u, const Eigen::Vector3d& v)
{
    return u.norm() > coincidentDistance && v.norm() > coincidentDistance &&
           u.cross(v).norm() > parallelSine * u.norm() * v.norm();
}

Eigen::Isometry3d frameOf(const Eigen::Vector3d& origin, const Eigen::Vector3d& x,
                          const Eigen::Vector3d& z)
{
    Eigen::Matrix3d rotation;
    rotation.col(0) = x.normalized();
    rotation.col(2) = z.normalized();
    rotation.col(1) = rotation.col(2).cross(rotation.col(0));
    Eigen::Isometry3d frame = Eigen::Isometry3d::Identity();
    frame.linear() = rotation;
    frame.translation() = origin;
    return frame;
}

}  // namespace

Eigen::Isometry3d toTransform(const Frame& frame)
{
    Eigen::Isometry3d transform = Eigen::Isometry3d::Identity();
    transform.translation() = Eigen::Vector3d(frame[0], frame[1], frame[2]);
    transform.linear() = (Eigen::AngleAxisd(radians(frame[3]), Eigen::Vector3d::UnitZ()) *
                          Eigen::AngleAxisd(radians(frame[4]), Eigen::Vector3d::UnitY()) *
                          Eigen::AngleAxisd(radians(frame[5]), Eigen::Vector3d::UnitX()))
                             .toRotationMatrix();
    return transform;
}

Frame toFrame(const Eigen::Isometry3d& transform)
{
    // Eigen's eulerAngles() keeps its first angle in [0, pi]; the convention
    // wants b in [-90, 90] instead, so the angles are read off the matrix.
    const Eigen::Matrix3d r = transform.linear();
    const double b = std::atan2(-r(2, 0), std::hypot(r(0, 0), r(1, 0)));
    double a = 0.0;
    double c = 0.0;
    if (std::hypot(r(0, 0), r(1, 0)) > 1e-12) {
        a = std::atan2(r(1, 0), r(0, 0));
        c = std::atan2(r(2, 1), r(2, 2));
    } else {
        // Looking straight along z: only a - c (or a + c) is fixed; a is 0.
        c = std::atan2(-r(1, 2), r(1, 1));
    }
    const Eigen::Vector3d t = transform.translation();
    return {t.x(), t.y(), t.z(), degrees(a), degrees(b), degrees(c)};
}

Eigen::Isometry3d turnAboutZ(double degrees)
{
    return Eigen::Isometry3d(Eigen::AngleAxisd(radians(degrees), Eigen::Vector3d::UnitZ()));
}

std::optional<Eigen::Isometry3d> circleFrame(const Eigen::Vector3d& p1, const Eigen::Vector3d& p2,
                                             const Eigen::Vector3d& p3)
{
    const Eigen::Vector3d u = p2 - p1;
    const Eigen::Vector3d v = p3 - p1;
    if (!spanPlane(u, v))
        return std::nullopt;
    const Eigen::Vector3d normal = u.cross(v);
    const Eigen::Vector3d centre =
        p1 + (u.squaredNorm() * v.cross(normal) + v.squaredNorm() * normal.cross(u)) /
                 (2.0 * normal.squaredNorm());
    return frameOf(centre, p1 - centre, normal);
}

std::optional<Eigen::Isometry3d> threePointFrame(const Eigen::Vector3d& origin,
                                                 const Eigen::Vector3d& onX,
                                                 const Eigen::Vector3d& inPlane)
{
    const Eigen::Vector3d x = onX - origin;
    const Eigen::Vector3d towardsPlane = inPlane - origin;
    if (!spanPlane(x, towardsPlane))
        return std::nullopt;
    return frameOf(origin, x, x.cross(towardsPlane));
}

double positionError(const Frame& p, const Frame& q)
{
    return (toTransform(p).translation() - toTransform(q).translation()).norm();
}

double angleError(const Frame& p, const Frame& q)
{
    const Eigen::Matrix3d difference = toTransform(p).linear().transpose() * toTransform(q).linear();
    return degrees(Eigen::AngleAxisd(difference).angle());
}

}  // namespace cellsim
