#include "raytracer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Vectors

struct Vec
{
    double x = 0, y = 0, z = 0;
};

Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator-(Vec a)
{
    return {-a.x, -a.y, -a.z};
}
Vec operator*(Vec a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
Vec mul(Vec a, Vec b)
{
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec normalized(Vec a)
{
    return a * (1.0 / std::sqrt(dot(a, a)));
}
Vec lerp(Vec a, Vec b, double t)
{
    return a + (b - a) * t;
}

// A colour given as it is displayed (0..255 per channel), in the linear space
// the shading works in. The picture is encoded with gamma 2 (see toByte()).
Vec displayed(double r, double g, double b)
{
    const Vec c{r / 255.0, g / 255.0, b / 255.0};
    return mul(c, c);
}

double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double edge0, double edge1, double v)
{
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

// x^n for a small whole n, by repeated squaring.
double power(double x, int n)
{
    double result = 1.0;
    while (n > 0) {
        if (n & 1)
            result *= x;
        x *= x;
        n >>= 1;
    }
    return result;
}

// ---------------------------------------------------------------------------
// Deterministic "random" numbers: a hash of the pixel, the sample and a
// stream number, so that no state is shared between pixels or threads.

std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double unitFromHash(std::uint32_t h)
{
    return static_cast<double>(h) * (1.0 / 4294967296.0);
}

// ---------------------------------------------------------------------------
// The scene

struct Ray
{
    Vec origin;
    Vec dir; // unit length
};

struct Material
{
    Vec albedo; // diffuse colour, linear
    Vec specularColour; // colour of the highlight
    int shininess = 32; // highlight exponent
    double mirror = 0; // reflectance at normal incidence
};

enum class Shape { Sphere, Cylinder, Cone, Box, Pyramid };

// A solid standing on the floor (y = 0). Its local frame has the origin at
// the centre of its bottom and is turned about the vertical axis by the angle
// whose cosine and sine are turnCos and turnSin.
struct Solid
{
    Shape shape;
    Vec base;
    double radius; // sphere and round solids: radius; box and pyramid: half side
    double height; // sphere: unused
    double turnCos;
    double turnSin;
    Material material;
    Vec boundCentre;
    double boundRadius;
};

// Rotations about y: into the solid's frame and back.
Vec toLocal(const Solid& s, Vec v)
{
    return {s.turnCos * v.x + s.turnSin * v.z, v.y, -s.turnSin * v.x + s.turnCos * v.z};
}
Vec toWorld(const Solid& s, Vec v)
{
    return {s.turnCos * v.x - s.turnSin * v.z, v.y, s.turnSin * v.x + s.turnCos * v.z};
}

Solid makeSolid(Shape shape, Vec base, double radius, double height, double turnCos, double turnSin, Material material)
{
    Solid s{shape, base, radius, height, turnCos, turnSin, material, {}, 0};
    switch (shape) {
    case Shape::Sphere:
        s.boundCentre = base + Vec{0, radius, 0};
        s.boundRadius = radius;
        break;
    case Shape::Box:
    case Shape::Pyramid: {
        // Corners lie at radius * sqrt(2) from the axis.
        const double h = height / 2;
        s.boundCentre = base + Vec{0, h, 0};
        s.boundRadius = std::sqrt(2 * radius * radius + h * h);
        break;
    }
    case Shape::Cylinder:
    case Shape::Cone: {
        const double h = height / 2;
        s.boundCentre = base + Vec{0, h, 0};
        s.boundRadius = std::sqrt(radius * radius + h * h);
        break;
    }
    }
    return s;
}

// Cosine and sine of the angles the cube and the pyramid are turned by,
// taken from Pythagorean triples so that they are exact numbers.
constexpr double kCubeCos = 0.8, kCubeSin = 0.6; // about 37 degrees
constexpr double kPyramidCos = 21.0 / 29, kPyramidSin = 20.0 / 29; // about 44 degrees

struct Scene
{
    std::array<Solid, 5> solids;
};

const Scene& theScene()
{
    static const Scene scene = [] {
        Material red{displayed(215, 30, 28), {0.55, 0.55, 0.55}, 40, 0.0};
        Material magenta{displayed(210, 40, 190), {0.55, 0.55, 0.55}, 60, 0.0};
        Material green{displayed(40, 185, 55), {0.45, 0.45, 0.45}, 30, 0.0};
        Material gold{displayed(205, 140, 18), displayed(220, 170, 70), 30, 0.0};
        Material yellow{displayed(250, 230, 30), {0.7, 0.7, 0.7}, 80, 0.06};
        Scene s{{
            makeSolid(Shape::Box, {-3.7, 0, 0.2}, 0.62, 1.24, kCubeCos, kCubeSin, red),
            makeSolid(Shape::Cylinder, {-1.85, 0, 0.75}, 0.6, 1.55, 1, 0, magenta),
            makeSolid(Shape::Cone, {0.05, 0, 1.0}, 0.72, 1.9, 1, 0, green),
            makeSolid(Shape::Pyramid, {1.95, 0, 0.75}, 0.75, 1.35, kPyramidCos, kPyramidSin, gold),
            makeSolid(Shape::Sphere, {3.75, 0, 0.2}, 0.74, 0, 1, 0, yellow),
        }};
        return s;
    }();
    return scene;
}

// ---------------------------------------------------------------------------
// Intersections. Each returns the nearest distance in (tMin, tMax) and the
// outward unit normal there, in world space.

constexpr double kEpsilon = 1e-7;

struct Hit
{
    double t;
    Vec normal;
};

bool hitsBound(const Solid& s, const Ray& ray, double tMax)
{
    const Vec oc = ray.origin - s.boundCentre;
    const double b = dot(oc, ray.dir);
    const double c = dot(oc, oc) - s.boundRadius * s.boundRadius;
    if (c > 0 && b > 0)
        return false;
    const double disc = b * b - c;
    if (disc < 0)
        return false;
    return -b - std::sqrt(disc) < tMax;
}

// The two roots of a t^2 + b t + c = 0 in ascending order; false if none.
bool solveQuadratic(double a, double b, double c, double& t0, double& t1)
{
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) < 1e-12)
            return false;
        t0 = t1 = -c / b;
        return true;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0)
        return false;
    const double root = std::sqrt(disc);
    // The numerically stable form.
    const double q = b < 0 ? -0.5 * (b - root) : -0.5 * (b + root);
    t0 = q / a;
    t1 = q != 0 ? c / q : t0;
    if (t0 > t1)
        std::swap(t0, t1);
    return true;
}

void consider(Hit& best, bool& found, double t, Vec normal, double tMin)
{
    if (t > tMin && t < best.t) {
        best = {t, normal};
        found = true;
    }
}

// A horizontal disc of the given radius around the local axis at height y.
void considerDisc(Hit& best, bool& found, const Vec& o, const Vec& d, double y, double radius, Vec normal, double tMin)
{
    if (std::fabs(d.y) < 1e-12)
        return;
    const double t = (y - o.y) / d.y;
    const double x = o.x + t * d.x, z = o.z + t * d.z;
    if (x * x + z * z <= radius * radius)
        consider(best, found, t, normal, tMin);
}

// Möller-Trumbore; the normal given is the triangle's outward one.
void considerTriangle(Hit& best, bool& found, const Vec& o, const Vec& d, Vec a, Vec b, Vec c, Vec normal, double tMin)
{
    const Vec e1 = b - a, e2 = c - a;
    const Vec p = cross(d, e2);
    const double det = dot(e1, p);
    if (std::fabs(det) < 1e-12)
        return;
    const double inv = 1.0 / det;
    const Vec s = o - a;
    const double u = dot(s, p) * inv;
    if (u < 0 || u > 1)
        return;
    const Vec q = cross(s, e1);
    const double v = dot(d, q) * inv;
    if (v < 0 || u + v > 1)
        return;
    consider(best, found, dot(e2, q) * inv, normal, tMin);
}

bool intersectLocal(const Solid& s, const Vec& o, const Vec& d, double tMin, Hit& best)
{
    bool found = false;
    const double r = s.radius, h = s.height;
    switch (s.shape) {
    case Shape::Sphere: {
        const Vec oc = o - Vec{0, r, 0};
        double t0, t1;
        if (solveQuadratic(dot(d, d), 2 * dot(oc, d), dot(oc, oc) - r * r, t0, t1)) {
            for (double t : {t0, t1})
                consider(best, found, t, (oc + d * t) * (1.0 / r), tMin);
        }
        break;
    }
    case Shape::Cylinder: {
        double t0, t1;
        if (solveQuadratic(d.x * d.x + d.z * d.z, 2 * (o.x * d.x + o.z * d.z), o.x * o.x + o.z * o.z - r * r, t0, t1)) {
            for (double t : {t0, t1}) {
                const Vec p = o + d * t;
                if (p.y >= 0 && p.y <= h)
                    consider(best, found, t, Vec{p.x / r, 0, p.z / r}, tMin);
            }
        }
        considerDisc(best, found, o, d, h, r, {0, 1, 0}, tMin);
        considerDisc(best, found, o, d, 0, r, {0, -1, 0}, tMin);
        break;
    }
    case Shape::Cone: {
        // x^2 + z^2 = k^2 (h - y)^2 with the apex at height h.
        const double k2 = (r / h) * (r / h);
        const double w = h - o.y;
        double t0, t1;
        if (solveQuadratic(d.x * d.x + d.z * d.z - k2 * d.y * d.y, 2 * (o.x * d.x + o.z * d.z + k2 * w * d.y),
                           o.x * o.x + o.z * o.z - k2 * w * w, t0, t1)) {
            for (double t : {t0, t1}) {
                const Vec p = o + d * t;
                if (p.y >= 0 && p.y <= h)
                    consider(best, found, t, normalized({p.x, k2 * (h - p.y), p.z}), tMin);
            }
        }
        considerDisc(best, found, o, d, 0, r, {0, -1, 0}, tMin);
        break;
    }
    case Shape::Box: {
        const double lo[3] = {-r, 0, -r}, hi[3] = {r, h, r};
        const double org[3] = {o.x, o.y, o.z}, dir[3] = {d.x, d.y, d.z};
        double tNear = -1e300, tFar = 1e300;
        int axisNear = 0, axisFar = 0;
        double signNear = 1, signFar = 1;
        for (int i = 0; i < 3; ++i) {
            if (std::fabs(dir[i]) < 1e-12) {
                if (org[i] < lo[i] || org[i] > hi[i])
                    return false;
                continue;
            }
            double ta = (lo[i] - org[i]) / dir[i], tb = (hi[i] - org[i]) / dir[i];
            double sa = -1, sb = 1; // the outward normal sign of the face hit at ta, tb
            if (ta > tb) {
                std::swap(ta, tb);
                std::swap(sa, sb);
            }
            if (ta > tNear) {
                tNear = ta;
                axisNear = i;
                signNear = sa;
            }
            if (tb < tFar) {
                tFar = tb;
                axisFar = i;
                signFar = sb;
            }
        }
        if (tNear > tFar)
            return false;
        auto axisNormal = [](int axis, double sign) {
            Vec n;
            (axis == 0 ? n.x : axis == 1 ? n.y : n.z) = sign;
            return n;
        };
        consider(best, found, tNear, axisNormal(axisNear, signNear), tMin);
        if (!found)
            consider(best, found, tFar, axisNormal(axisFar, signFar), tMin);
        break;
    }
    case Shape::Pyramid: {
        const Vec apex{0, h, 0};
        const Vec corners[4] = {{-r, 0, -r}, {r, 0, -r}, {r, 0, r}, {-r, 0, r}};
        for (int i = 0; i < 4; ++i) {
            const Vec a = corners[i], b = corners[(i + 1) % 4];
            Vec n = normalized(cross(b - a, apex - a));
            if (dot(n, (a + b) * 0.5) < 0)
                n = -n;
            considerTriangle(best, found, o, d, a, b, apex, n, tMin);
        }
        considerTriangle(best, found, o, d, corners[0], corners[1], corners[2], {0, -1, 0}, tMin);
        considerTriangle(best, found, o, d, corners[0], corners[2], corners[3], {0, -1, 0}, tMin);
        break;
    }
    }
    return found;
}

bool intersectSolid(const Solid& s, const Ray& ray, double tMin, Hit& best)
{
    if (!hitsBound(s, ray, best.t))
        return false;
    const Vec o = toLocal(s, ray.origin - s.base);
    const Vec d = toLocal(s, ray.dir);
    Hit local = best;
    if (!intersectLocal(s, o, d, tMin, local))
        return false;
    best = {local.t, normalized(toWorld(s, local.normal))};
    return true;
}

// What a ray meets first: a solid (its index), the floor (-1) or nothing (-2).
constexpr int kFloor = -1;
constexpr int kNothing = -2;

struct SceneHit
{
    int what = kNothing;
    double t = 1e30;
    Vec normal;
};

SceneHit trace(const Scene& scene, const Ray& ray, double tMin = kEpsilon)
{
    SceneHit result;
    Hit best{1e30, {}};
    for (int i = 0; i < static_cast<int>(scene.solids.size()); ++i) {
        if (intersectSolid(scene.solids[static_cast<std::size_t>(i)], ray, tMin, best))
            result.what = i;
    }
    if (ray.dir.y < 0 && ray.origin.y > 0) {
        const double t = -ray.origin.y / ray.dir.y;
        if (t > tMin && t < best.t) {
            best = {t, {0, 1, 0}};
            result.what = kFloor;
        }
    }
    result.t = best.t;
    result.normal = best.normal;
    return result;
}

// Whether any solid lies on the ray closer than tMax (the floor casts nothing).
bool occluded(const Scene& scene, const Ray& ray, double tMax)
{
    for (const Solid& s : scene.solids) {
        Hit best{tMax, {}};
        if (intersectSolid(s, ray, kEpsilon, best))
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Lighting

// The backdrop: deep blue behind the solids, lighter towards the top of the
// picture, as if a lamp lit the wall above them.
Vec background(Vec dir)
{
    const Vec deep = displayed(12, 22, 88);
    const Vec middle = displayed(60, 90, 192);
    const Vec top = displayed(104, 140, 228);
    const double y = dir.y;
    if (y < -0.07)
        return lerp(deep, middle, smoothstep(-0.15, -0.07, y));
    return lerp(middle, top, smoothstep(-0.07, 0.03, y));
}

// What the floor mirrors where no solid stands: the room, as dark as the
// backdrop behind the solids, so that the floor melts into it.
const Vec kMirroredRoom = displayed(12, 22, 88);

// The key light: a square lamp up and to the left, in front of the solids.
const Vec kKeyCentre{-8.0, 12.0, -3.0};
constexpr double kKeySize = 3.0;
const Vec kKeyColour{1.00, 0.97, 0.92};
// A weaker fill from the front and a rim light from behind, unshadowed.
const Vec kFillDir = normalized({2.0, 3.0, -8.0});
const Vec kFillColour{0.16, 0.17, 0.24};
const Vec kRimDir = normalized({1.0, 3.0, 6.0});
const Vec kRimColour{0.25, 0.27, 0.40};
const Vec kAmbient = displayed(60, 72, 120);

// A fixed set of cosine-weighted directions about the vertical (points of a
// grid that fall in the unit disc, lifted onto the hemisphere), turned per
// sample.
struct DiscPoints
{
    std::vector<std::array<double, 2>> points;
    DiscPoints()
    {
        constexpr int n = 6;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                const double x = (2.0 * i + 1) / n - 1, y = (2.0 * j + 1) / n - 1;
                if (x * x + y * y < 1)
                    points.push_back({x, y});
            }
        }
    }
};

const DiscPoints& discPoints()
{
    static const DiscPoints d;
    return d;
}

// The random numbers of one sample: hashes of its pixel, of its place in the
// pixel's sample grid and of a stream number, so that no state is shared
// between pixels or threads.
struct SampleSeed
{
    std::uint32_t x, y;
    int column, row, samples; // the sample's place in the pixel's grid
    double next(std::uint32_t stream) const
    {
        return unitFromHash(hash(x * 4099u + y, static_cast<std::uint32_t>(row * samples + column), stream));
    }
    // An offset in [0, 1) per axis, the same random shift for every sample of
    // the pixel plus the sample's own stratum: together the samples of a pixel
    // cover a grid samples times finer.
    double stratified(int axis) const
    {
        const double shift = unitFromHash(hash(x * 4099u + y, 0xFFFFu, 10u + static_cast<std::uint32_t>(axis)));
        return ((axis == 0 ? column : row) + shift) / samples;
    }
};

// How carefully a surface point is lit: the shadow rays per axis of the lamp,
// and every how many disc points the occlusion uses (0: none). Points seen in
// the mirror get the cheaper treatment.
struct Quality
{
    int lightSamples;
    int occlusionStep;
};

// The share of the key lamp seen from p, 0..1.
double keyVisibility(const Scene& scene, Vec p, const SampleSeed& seed, int n)
{
    const double offU = seed.stratified(0), offV = seed.stratified(1);
    int visible = 0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double u = (i + offU) / n - 0.5, v = (j + offV) / n - 0.5;
            const Vec target = kKeyCentre + Vec{u * kKeySize, 0, v * kKeySize};
            const Vec toLamp = target - p;
            const double dist = std::sqrt(dot(toLamp, toLamp));
            if (!occluded(scene, {p, toLamp * (1.0 / dist)}, dist))
                ++visible;
        }
    }
    return static_cast<double>(visible) / (n * n);
}

// Ambient occlusion of a floor point: the share of short rays from it that
// escape the solids. It darkens the floor where the solids stand on it.
double floorOpenness(const Scene& scene, Vec p, const SampleSeed& seed, int step)
{
    if (step <= 0)
        return 1.0;
    constexpr double reach = 1.6;
    // A rotation by a random angle from the rational parametrisation
    // (1 - t^2, 2t) / (1 + t^2); the sign flip covers the other half turn.
    const double t = 2 * seed.next(3) - 1;
    double c = (1 - t * t) / (1 + t * t), s = 2 * t / (1 + t * t);
    if (seed.next(4) < 0.5) {
        c = -c;
        s = -s;
    }
    const auto& points = discPoints().points;
    const std::size_t start = static_cast<std::size_t>(seed.next(5) * step);
    int total = 0, open = 0;
    for (std::size_t i = start; i < points.size(); i += static_cast<std::size_t>(step)) {
        const double x = c * points[i][0] - s * points[i][1];
        const double z = s * points[i][0] + c * points[i][1];
        const double y = std::sqrt(std::max(0.0, 1 - x * x - z * z));
        ++total;
        if (!occluded(scene, {p, Vec{x, y, z}}, reach))
            ++open;
    }
    return total ? static_cast<double>(open) / total : 1.0;
}

Vec shade(const Scene& scene, const Ray& ray, const SampleSeed& seed, int depth);

// How far the floor reflections reach: they fade with the distance the
// reflected ray travels, which keeps the mirror glossy rather than perfect.
double reflectionFade(double distance)
{
    const double d = distance / 2.2;
    return 1.0 / (1.0 + d * d);
}

Vec shadeSurface(const Scene& scene, const Ray& ray, const SceneHit& hit, const SampleSeed& seed, int depth)
{
    const Vec p = ray.origin + ray.dir * hit.t;
    Vec n = hit.normal;
    if (dot(n, ray.dir) > 0)
        n = -n;
    const bool onFloor = hit.what == kFloor;
    const Vec lifted = p + n * 1e-4;

    Material material;
    if (onFloor) {
        material = {displayed(20, 38, 125), {0.6, 0.6, 0.7}, 90, 0.25};
    } else {
        material = scene.solids[static_cast<std::size_t>(hit.what)].material;
    }

    const Quality quality = depth == 0 ? Quality{3, 2} : Quality{3, 0};

    // Key light, soft-shadowed.
    const Vec toKey = normalized(kKeyCentre - p);
    const double keyCos = dot(n, toKey);
    double keySeen = 0;
    if (keyCos > 0)
        keySeen = keyVisibility(scene, lifted, seed, quality.lightSamples);

    const double ao = onFloor ? floorOpenness(scene, lifted, seed, quality.occlusionStep) : 1.0;

    // Diffuse.
    Vec light = kAmbient * ((0.65 + 0.35 * n.y) * ao);
    light = light + kKeyColour * (std::max(0.0, keyCos) * keySeen);
    light = light + kFillColour * (std::max(0.0, dot(n, kFillDir)) * (0.4 + 0.6 * ao));
    Vec colour = mul(material.albedo, light);

    // Rim light, strongest where the surface turns away from the viewer.
    const double facing = clamp01(-dot(n, ray.dir));
    const double rim = std::max(0.0, dot(n, kRimDir)) * power(1 - facing, 2);
    colour = colour + mul(material.albedo, kRimColour) * rim;

    // Highlights (Blinn-Phong).
    const Vec halfKey = normalized(toKey - ray.dir);
    const double specKey = power(std::max(0.0, dot(n, halfKey)), material.shininess) * keySeen;
    const Vec halfFill = normalized(kFillDir - ray.dir);
    const double specFill = power(std::max(0.0, dot(n, halfFill)), material.shininess) * 0.25;
    colour = colour + mul(material.specularColour, kKeyColour) * specKey
        + mul(material.specularColour, kFillColour) * specFill * 4.0;

    // Mirror reflection, Schlick's Fresnel term.
    if (material.mirror > 0 && depth < 2) {
        const double f = material.mirror + (1 - material.mirror) * power(1 - facing, 5);
        const Vec reflected = normalized(ray.dir - n * (2 * dot(ray.dir, n)));
        const Ray bounce{lifted, reflected};
        if (onFloor) {
            const SceneHit next = trace(scene, bounce);
            if (next.what == kNothing) {
                colour = lerp(colour, kMirroredRoom, f);
            } else {
                const double fade = reflectionFade(next.t);
                const Vec mirrored = shadeSurface(scene, bounce, next, seed, depth + 1);
                colour = lerp(colour, lerp(kMirroredRoom, mirrored, fade), f);
            }
        } else {
            colour = lerp(colour, shade(scene, bounce, seed, depth + 1), f);
        }
    }

    // The floor fades into the backdrop in the distance.
    if (onFloor) {
        const double far = smoothstep(13.0, 24.0, hit.t);
        colour = lerp(colour, background(ray.dir), far);
    }
    return colour;
}

Vec shade(const Scene& scene, const Ray& ray, const SampleSeed& seed, int depth)
{
    const SceneHit hit = trace(scene, ray);
    if (hit.what == kNothing)
        return background(ray.dir);
    return shadeSurface(scene, ray, hit, seed, depth);
}

// ---------------------------------------------------------------------------
// Camera and picture

struct Camera
{
    Vec position{0.0, 3.6, -11.0};
    Vec forward, right, up;
    double halfHeight = 0.32; // tangent of half the vertical field of view

    Camera()
    {
        const Vec target{0.0, 0.45, 0.5};
        forward = normalized(target - position);
        right = normalized(cross(Vec{0, 1, 0}, forward));
        up = cross(forward, right);
    }
};

std::uint8_t toByte(double linear)
{
    // Gamma 2: the square root keeps to exact arithmetic.
    const double v = std::sqrt(clamp01(linear));
    return static_cast<std::uint8_t>(v * 255.0 + 0.5);
}

void renderRows(const Scene& scene, int width, int height, int samples, int firstRow, int rowStep,
                std::vector<QRgb>& pixels)
{
    const Camera camera;
    const double aspect = static_cast<double>(width) / height;
    for (int y = firstRow; y < height; y += rowStep) {
        for (int x = 0; x < width; ++x) {
            Vec sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples;
                    const double py = y + (sy + 0.5) / samples;
                    const double u = (2 * px / width - 1) * aspect * camera.halfHeight;
                    const double v = (1 - 2 * py / height) * camera.halfHeight;
                    const Ray ray{camera.position, normalized(camera.forward + camera.right * u + camera.up * v)};
                    const SampleSeed seed{static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), sx, sy,
                                          samples};
                    sum = sum + shade(scene, ray, seed, 0);
                }
            }
            const Vec c = sum * (1.0 / (samples * samples));
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                qRgb(toByte(c.x), toByte(c.y), toByte(c.z));
        }
    }
}

} // namespace

QImage renderSolidsScene(int width, int height, int samplesPerAxis, int threads)
{
    if (width <= 0 || height <= 0 || samplesPerAxis <= 0)
        return {};
    if (threads <= 0)
        threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::min(threads, height);

    const Scene& scene = theScene();
    discPoints(); // built before the threads start
    std::vector<QRgb> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::vector<std::thread> workers;
    for (int i = 1; i < threads; ++i)
        workers.emplace_back(renderRows, std::cref(scene), width, height, samplesPerAxis, i, threads, std::ref(pixels));
    renderRows(scene, width, height, samplesPerAxis, 0, threads, pixels);
    for (std::thread& worker : workers)
        worker.join();

    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * width, width, line);
    }
    return image;
}
